#include "learning.h"

#include "knowledge_base.h"
#include "normalise.h"
#include "phrase_line.h"

namespace sob {
namespace {

bool containsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// A phrase read from the self-talk file ends with a line break and may hold
// several lines. Stored as it is, it would split into several lines of the
// knowledge base and the first would break the grammar of Words.Dat, so it
// is learned as one line: line breaks become blanks, and blanks at the end
// are dropped before the user line is completed.
std::string oneLine(std::string_view phrase) {
  std::string line;
  for (std::size_t i = 0; i < phrase.size(); ++i) {
    bool crlf = phrase[i] == '\r' && i + 1 < phrase.size() && phrase[i + 1] == '\n';
    if (crlf) continue;  // its LF gives the one blank
    line += (phrase[i] == '\r' || phrase[i] == '\n') ? ' ' : phrase[i];
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

// The characters that give the lines of the knowledge base their structure.
bool holdsReservedCharacter(std::string_view text) { return text.find_first_of("^;_") != std::string_view::npos; }

bool foundInFallbackFile(const LineList& fallback, std::string_view userLine) {
  for (int i = 1; i < fallback.count(); ++i) {
    if (fallback.line(i) == userLine) return true;
  }
  return false;
}

void storeAnswer(Dialogue& dialogue, const FileStore& files, std::string_view userLine) {
  std::string_view target = dialogue.state.previousReply.find('?') != std::string::npos ? kb::kQuestions
                                                                                         : kb::kStatements;
  files.load(dialogue.learning, target);
  dialogue.learning.add(userLine);
  files.save(dialogue.learning, target);
}

// Adds the phrase as an unanswered line unless a line has its key already.
bool addPhrase(Dialogue& dialogue, const FileStore& files, std::string_view userLine, std::string& currentPhrase) {
  LineList& words = dialogue.scratch;
  files.load(words, kb::kWords);
  if (words.count() > 1) completeCurrentPhrase(currentPhrase);
  for (int i = 1; i < words.count(); ++i) {
    if (keyText(words.line(i)) == currentPhrase) return false;
  }
  words.add(upperCyrillic(userLine) + "^");
  files.save(words, kb::kWords);
  return true;
}

// The line whose key is the computer's last reply gets the user line as its
// last reply and moves to the end of the file.
void addAsReply(Dialogue& dialogue, const FileStore& files, std::string_view userLine) {
  LineList& words = dialogue.scratch;
  files.load(words, kb::kWords);
  const std::string& key = dialogue.state.previousReplyKey;
  if (key.empty()) return;
  int found = -1;
  for (int i = 1; i < words.count() && found < 0; ++i) {
    if (keyText(words.line(i)) == key) found = i;
  }
  if (found < 0) return;
  files.load(words, kb::kWords);
  // The whole line, not the first 4096 characters a reader sees: a line
  // that has gathered many replies must not lose any when it moves.
  std::string line = words.lines()[found];
  words.remove(found);
  words.add(line + std::string(userLine) + ";");
  files.save(words, kb::kWords);
}

// The learning list still holds the fallback file when this starts.
void learnLine(Dialogue& dialogue, const FileStore& files, std::string_view userLine, std::string& currentPhrase) {
  if (!foundInFallbackFile(dialogue.learning, userLine)) {
    if (dialogue.state.previousReply.empty()) return;
    storeAnswer(dialogue, files, userLine);
  }
  if (addPhrase(dialogue, files, userLine, currentPhrase)) addAsReply(dialogue, files, userLine);
}

}  // namespace

void learnFromPhrase(Dialogue& dialogue, const FileStore& files, const LearningInput& input) {
  if (!containsLineBreak(input.userLine)) {
    if (holdsReservedCharacter(input.userLine)) return;
    learnLine(dialogue, files, input.userLine, input.currentPhrase);
    return;
  }
  std::string line = oneLine(input.phrase);
  if (line.empty() || holdsReservedCharacter(line)) return;
  std::string current = upperCyrillic(line);
  learnLine(dialogue, files, userLineOf(line), current);
}

}  // namespace sob
