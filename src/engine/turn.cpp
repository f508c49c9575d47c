#include "turn.h"

#include <optional>

#include "keyword_scan.h"
#include "knowledge_base.h"
#include "learning.h"
#include "normalise.h"
#include "phrase_search.h"
#include "reply_files.h"

namespace sob {
namespace {

const std::string kUserPrefix = "USER:     ";
const std::string kReplyPrefix = "CPU:     ";
constexpr std::size_t kLongPhrase = 110;

// The first entry of a keyword list (from its second line on) found in the phrase.
bool anyKeywordFound(const LineList& list, std::string_view phrase) {
  for (int i = 1; i < list.count(); ++i) {
    if (keywordFound(list.line(i), phrase)) return true;
  }
  return false;
}

class Turn {
 public:
  Turn(Dialogue& dialogue, TurnHost& host, const FileStore& files, Random& random)
      : d_(dialogue), host_(host), files_(files), random_(random) {}

  void run(const std::string& phrase) {
    std::optional<std::string> previousLine;
    if (d_.transcript.count() >= 2) previousLine = d_.transcript.line(d_.transcript.count() - 2);
    host_.setBusyCursor(true);
    current_ = upperCyrillic(phrase);
    d_.state.previousReplyKey = upperCyrillic(d_.state.previousReplyKey);
    userLine_ = userLineOf(phrase);
    host_.play(Sound::UserLine);
    writeLine(kUserPrefix, userLine_, {d_.held.user, d_.held.userFont});
    chooseReply(phrase, previousLine);
    finish();
  }

 private:
  void writeLine(const std::string& logPrefix, const std::string& text, const TextAttributes& attributes) {
    d_.transcript.attributes() = attributes;
    d_.transcript.add(text);
    d_.logBuffer.add(logPrefix + text);
  }

  void replyFrom(std::string_view file, LineList& list) {
    files_.load(list, file);
    d_.state.reply = randomLine(list, random_);
  }

  bool isLongPhrase() {
    int r = random_.from1To(6);
    return r != 2 && r != 6 && userLine_.size() >= kLongPhrase;
  }

  void chooseReply(const std::string& phrase, const std::optional<std::string>& previousLine) {
    if (previousLine && *previousLine == userLine_) return replyFrom(kb::kRepeat, d_.scratch);
    if (anyKeywordFound(d_.abusive, current_)) return replyFrom(kb::kAbusive, d_.scratch);
    bool personalTopic = anyKeywordFound(d_.personal, current_);
    if (isLongPhrase()) return replyFrom(kb::kLongPhrase, d_.scratch);
    if (auto found = searchPhraseBase(d_, files_, random_, current_)) {
      d_.state.reply = *found;
      return;
    }
    // A personal topic without an answer gets the last reply again.
    if (personalTopic) return;
    replyFrom(userLine_.back() == '?' ? kb::kQuestions : kb::kStatements, d_.learning);
    learnFromPhrase(d_, files_, {phrase, userLine_, current_});
  }

  void finish() {
    const std::string& reply = d_.state.reply;
    host_.play(Sound::Reply);
    writeLine(kReplyPrefix, reply, {d_.held.reply, d_.held.replyFont});
    host_.setBusyCursor(false);
    if (d_.selfTalkMode) {
      d_.abusive.clear();
      d_.abusive.add(reply);
      files_.save(d_.abusive, host_.selfTalkPath());
    }
    d_.state.previousReply = reply;
    d_.state.previousReplyKey = reply;
    host_.clearInput();
    d_.state.idleCounter = 0;
    for (int i = 1; i < d_.farewells.count(); ++i) {
      if (d_.farewells.line(i) != current_) continue;
      host_.disableKeyboardEnter();
      host_.startClosingTimer();
    }
  }

  Dialogue& d_;
  TurnHost& host_;
  const FileStore& files_;
  Random& random_;
  std::string current_;
  std::string userLine_;
};

}  // namespace

void runTurn(Dialogue& dialogue, TurnHost& host, const FileStore& files, Random& random) {
  random.reseed();
  std::string phrase = dialogue.selfTalkMode ? dialogue.abusive.wholeText() : host.inputText();
  if (phrase.empty()) return;
  Turn(dialogue, host, files, random).run(phrase);
}

}  // namespace sob
