#include "phrase_search.h"

#include "keyword_scan.h"
#include "knowledge_base.h"
#include "phrase_line.h"

namespace sob {
namespace {

// One of the line's replies, each with the same chance; nothing for a line
// without any ";" (outside the format: passed over like an unanswered one).
std::optional<std::string> chooseReply(std::string_view line, std::size_t caret, Random& random) {
  int replies = replyCount(line);
  if (replies == 0) return std::nullopt;
  return std::string(replyAt(line, caret, random.from1To(replies)));
}

std::optional<std::string> mainSearch(Dialogue& dialogue, const FileStore& files, Random& random,
                                      std::string_view phrase) {
  files.load(dialogue.scratch, kb::kWords);
  for (int i = 1; i < dialogue.scratch.count(); ++i) {
    std::string line = dialogue.scratch.line(i);
    auto key = answeredKey(line, 0);
    if (!key || branchLevel(*key) == static_cast<int>(key->size()) || !keywordFound(*key, phrase)) continue;
    auto reply = chooseReply(line, key->size(), random);
    if (!reply) continue;
    dialogue.state.threadDepth = 1;
    dialogue.state.threadPosition = i;
    return reply;
  }
  return std::nullopt;
}

// Follows the thread from the line after the last reply: only branches of
// the level equal to the depth are candidates; the first line without "_",
// or the end of the file, ends the thread. The file is loaded once for the
// whole walk rather than once per line: nothing else runs during a turn, so
// the lines cannot change in between and the outcome is the same.
std::optional<std::string> threadSearch(Dialogue& dialogue, const FileStore& files, Random& random,
                                        std::string_view phrase) {
  EngineState& state = dialogue.state;
  files.load(dialogue.scratch, kb::kWords);
  while (++state.threadPosition < dialogue.scratch.count()) {
    std::string line = dialogue.scratch.line(state.threadPosition);
    int level = branchLevel(line);
    if (level == 0) break;
    if (level != state.threadDepth) continue;
    auto head = answeredKey(line, level);
    if (!head || !keywordFound(head->substr(level), phrase)) continue;
    auto reply = chooseReply(line, head->size(), random);
    if (!reply) continue;
    ++state.threadDepth;
    return reply;
  }
  state.threadDepth = 0;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> searchPhraseBase(Dialogue& dialogue, const FileStore& files, Random& random,
                                            std::string_view currentPhrase) {
  if (dialogue.state.threadDepth >= 1) {
    if (auto reply = threadSearch(dialogue, files, random, currentPhrase)) return reply;
  }
  return mainSearch(dialogue, files, random, currentPhrase);
}

}  // namespace sob
