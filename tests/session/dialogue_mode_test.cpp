#include "session/dialogue_mode.h"

#include <fstream>

#include "engine/phrase_line.h"
#include "support/turn_fixture.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;
using testing::utf8Lines;
using Lines = std::vector<std::string>;

struct ModeRecorder : ModeHost {
  std::string indicator;
  std::vector<bool> checks;  // each call: whether C&pu\Cpu is the checked item
  void setModeIndicator(const std::string& text) override { indicator = utf8(text); }
  void showModeChecks(bool selfTalk) override { checks.push_back(selfTalk); }
};

TEST(Modes, EachSwitchWritesItsServiceLinesInTealEvenWhenTheModeIsOn) {
  Dialogue dialogue;
  ModeRecorder modes;
  selectSelfTalkMode(dialogue, modes);
  EXPECT_EQ(modes.indicator, "Режим Cpu\\Cpu");
  EXPECT_TRUE(dialogue.selfTalkMode);
  selectSelfTalkMode(dialogue, modes);
  selectUserMode(dialogue, modes);
  Lines shown;
  for (int i = 0; i < dialogue.transcript.count(); ++i) {
    shown.push_back(utf8(dialogue.transcript.line(i)));
    EXPECT_EQ(dialogue.transcript.at(i).attributes.color, kTeal) << i;
  }
  EXPECT_EQ(shown, (Lines{"Сервис:   // Режим диалога Cpu\\Cpu.", "Сервис:   // Режим диалога Cpu\\Cpu.",
                          "Сервис:   // Режим диалога Cpu\\User.", ""}));
  EXPECT_EQ(modes.indicator, "Режим Cpu\\User");
  EXPECT_EQ(modes.checks, (std::vector<bool>{true, true, false}));
  EXPECT_FALSE(dialogue.selfTalkMode);
  EXPECT_EQ(dialogue.logBuffer.count(), 0);  // service lines stay out of the session log
}


// The window as the self-talk tick sees it: the turn's operations recorded,
// the settings window's path and interval, and the self-talk timer.
class SelfTalkWindow : public SelfTalkHost {
 public:
  explicit SelfTalkWindow(testing::RecordingHost& turn) : turn_(turn) {}
  std::string inputText() const override { return turn_.inputText(); }
  void clearInput() override { turn_.clearInput(); }
  std::string selfTalkPath() const override { return path; }
  void setBusyCursor(bool busy) override { turn_.setBusyCursor(busy); }
  void play(Sound sound) override { turn_.play(sound); }
  void disableKeyboardEnter() override {}
  void startClosingTimer() override {}
  int selfTalkInterval() const override { return interval; }
  void setSelfTalkTimerInterval(int ms) override { timerInterval = ms; }

  std::string path;
  int interval = 1000;
  int timerInterval = 3000;  // the self-talk timer's design interval

 private:
  testing::RecordingHost& turn_;
};

class SelfTalk : public testing::TurnTest {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Слова", "ПРИВЕТ^Как дела?;", "КАК ДЕЛА?^Хорошо.;"});
    window.path = talkFile().string();
    dialogue.selfTalkMode = true;
  }
  std::filesystem::path talkFile() const { return folder.path() / "talk.txt"; }
  void writeTalk(std::string_view utf8Text) const { std::ofstream(talkFile(), std::ios::binary) << cp(utf8Text); }
  std::string readTalk() const {
    std::ifstream in(talkFile(), std::ios::binary);
    return utf8(std::string((std::istreambuf_iterator<char>(in)), {}));
  }
  int turns() const {
    Lines lines = log();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](auto& l) { return l.starts_with("CPU:"); }));
  }
  void tick() { selfTalkTick(dialogue, files, random, window); }

  SelfTalkWindow window{host};
};

TEST_F(SelfTalk, ThreeTicksAnswerTheFileAndEachLeavesOnlyItsReplyInIt) {
  writeTalk("привет\r\n");
  std::vector<std::string> saved;
  for (int n = 0; n < 3; ++n) {
    tick();
    saved.push_back(readTalk());
  }
  // привет -> Как дела? -> Хорошо. -> a statement nothing answers: W2.Dat
  EXPECT_EQ(saved, (Lines{"Как дела?\r\n", "Хорошо.\r\n", "Понятно.\r\n"}));
  EXPECT_EQ(turns(), 3);
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "clearInput"), 3);
  EXPECT_EQ(window.timerInterval, 1000);
  // The abusive-word list is the self-talk buffer: after self-talk it holds
  // the last reply, and going back to Cpu\User does not bring the list back.
  ModeRecorder modes;
  selectUserMode(dialogue, modes);
  EXPECT_EQ(utf8Lines(dialogue.abusive.lines()), Lines{"Понятно."});
}

TEST_F(SelfTalk, AFileOfSeveralLinesIsOnePhraseEachLineEndedByCrLf) {
  writeTalk("Раз\r\nДва\nТри\r\n");
  tick();
  // The user line keeps the breaks and gets its "." after the last one.
  EXPECT_EQ(log(), (Lines{"USER:     Раз", "Два", "Три", ".", "CPU:     Понятно."}));
  EXPECT_EQ(readTalk(), "Понятно.\r\n");
}

TEST_F(SelfTalk, TheTimerTakesTheIntervalShownAtEachTick) {
  writeTalk("привет\r\n");
  window.interval = 250;
  tick();
  EXPECT_EQ(window.timerInterval, 250);
  window.interval = 40;
  tick();
  EXPECT_EQ(window.timerInterval, 40);
}

TEST_F(SelfTalk, FindsARelativePathInTheDataFolderAndAnAbsoluteOneWhereItSays) {
  for (const std::string& path : {std::string("talk.txt"), std::string("TALK.TXT"), talkFile().string()}) {
    SCOPED_TRACE(path);
    writeTalk("привет\r\n");
    window.path = path;
    tick();
    EXPECT_EQ(readTalk(), "Как дела?\r\n");
  }
}

TEST_F(SelfTalk, AFileThatCannotBeReadEndsTheTickBeforeTheIntervalAndTheTurn) {
  struct Case {
    const char* path;
    const char* report;
  } cases[] = {{"D:\\Txt.Dat", "Cannot open file D:\\Txt.Dat"}, {"none.txt", "Cannot open file none.txt"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    window.path = c.path;
    window.interval = 5;
    try {
      tick();
      ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
      EXPECT_STREQ(error.what(), c.report);
    }
    EXPECT_EQ(window.timerInterval, 3000);
    EXPECT_EQ(dialogue.transcript.count(), 0);
    EXPECT_EQ(dialogue.abusive.count(), 83);  // still the designer list
  }
}

// Self-talk phrases end with a line break, and whatever learning makes of
// them, the files it writes keep their grammar. A base that answers hardly
// anything makes the turns learn: new phrases, answers stored in W1.Dat (after
// a reply holding "?") and in W2.Dat, and replies added to learned phrases.
TEST_F(SelfTalk, ManyTicksOfLearningKeepEveryFileInItsGrammar) {
  folder.writeStandardBase({"Слова", "КАК ДЕЛА?^Хорошо.;"});
  folder.write("W2.Dat", {"Понятно.", "Ты кто? Я тут.", "Расскажи ещё."});
  writeTalk("Что нового\r\nу тебя\r\n");
  for (int n = 0; n < 40; ++n) {
    random.next = {n % 7, n % 3, n % 5};
    tick();
  }
  EXPECT_EQ(turns(), 40);
  Lines words = folder.lines("Words.Dat");
  EXPECT_GT(words.size(), 2u);  // something was learned
  for (std::size_t i = 1; i < words.size(); ++i) EXPECT_TRUE(isWellFormedPhraseLine(cp(words[i]))) << words[i];
  for (const char* name : {"W1.Dat", "W2.Dat"}) {
    for (const auto& line : folder.lines(name)) {
      EXPECT_EQ(line.find_first_of("^_;\r\n"), std::string::npos) << name << ": " << line;
    }
  }
}

}  // namespace
}  // namespace sob
