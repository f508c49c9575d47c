#include "session/dialogue_mode.h"

#include "support/turn_fixture.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;
using Lines = std::vector<std::string>;

struct ModeRecorder : ModeHost {
  std::string indicator;
  bool selfTalkChecked = false;
  void setModeIndicator(const std::string& text) override { indicator = utf8(text); }
  void showModeChecks(bool selfTalk) override { selfTalkChecked = selfTalk; }
};

class SelfTalkHostFake : public SelfTalkHost {
 public:
  explicit SelfTalkHostFake(testing::RecordingHost& turn) : turn_(turn) {}
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
  int timerInterval = 3000;

 private:
  testing::RecordingHost& turn_;
};

class Modes : public testing::TurnTest {
 protected:
  void SetUp() override { folder.writeStandardBase({"Слова", "ПРИВЕТ^Как дела?;", "КАК ДЕЛА?^Хорошо.;"}); }
  Lines shown() const {
    Lines lines;
    for (int i = 0; i < dialogue.transcript.count(); ++i) lines.push_back(utf8(dialogue.transcript.line(i)));
    return lines;
  }
  ModeRecorder modes;
};

TEST_F(Modes, EachSwitchWritesItsServiceLinesInTeal) {
  selectSelfTalkMode(dialogue, modes);
  selectSelfTalkMode(dialogue, modes);
  selectUserMode(dialogue, modes);
  EXPECT_EQ(shown(), (Lines{"Сервис:   // Режим диалога Cpu\\Cpu.", "Сервис:   // Режим диалога Cpu\\Cpu.",
                            "Сервис:   // Режим диалога Cpu\\User.", ""}));
  EXPECT_EQ(dialogue.transcript.at(3).attributes.color, kTeal);
  EXPECT_EQ(modes.indicator, "Режим Cpu\\User");
  EXPECT_FALSE(dialogue.selfTalkMode);
  EXPECT_EQ(dialogue.logBuffer.count(), 0);
}

TEST_F(Modes, SelfTalkAnswersTheFileAndWritesTheReplyBack) {
  SelfTalkHostFake selfTalk(host);
  selfTalk.path = (folder.path() / "talk.txt").string();
  std::ofstream(selfTalk.path, std::ios::binary) << cp("привет\r\n");
  selectSelfTalkMode(dialogue, modes);
  for (int tick = 0; tick < 3; ++tick) selfTalkTick(dialogue, files, random, selfTalk);
  std::ifstream file(selfTalk.path, std::ios::binary);
  std::string saved((std::istreambuf_iterator<char>(file)), {});
  // привет -> Как дела? -> Хорошо. -> a fallback reply
  EXPECT_EQ(utf8(saved), "Понятно.\r\n");
  EXPECT_EQ(testing::utf8Lines(dialogue.abusive.lines()), Lines{"Понятно."});
  EXPECT_EQ(selfTalk.timerInterval, 1000);
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "clearInput"), 3);
  selectUserMode(dialogue, modes);
  EXPECT_EQ(testing::utf8Lines(dialogue.abusive.lines()), Lines{"Понятно."});
}

TEST_F(Modes, AMissingSelfTalkFileEndsTheTickBeforeTheTurn) {
  SelfTalkHostFake selfTalk(host);
  selfTalk.path = "D:\\Txt.Dat";
  selfTalk.interval = 5;
  try {
    selfTalkTick(dialogue, files, random, selfTalk);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file D:\\Txt.Dat");
  }
  EXPECT_EQ(selfTalk.timerInterval, 3000);
  EXPECT_EQ(dialogue.transcript.count(), 0);
  EXPECT_EQ(dialogue.abusive.count(), 83);
}

TEST(SelfTalkInterval, ReadsWholeNumbersAndNeverGoesBelowOne) {
  struct Case {
    const char* text;
    int interval;
  } cases[] = {{"1000", 1000}, {"1", 1}, {"0", 1}, {"-5", 1}, {"abc", 1}, {"", 1}, {"12x", 1}, {"60000", 60000}};
  for (const auto& c : cases) EXPECT_EQ(selfTalkIntervalOf(c.text), c.interval) << c.text;
}

}  // namespace
}  // namespace sob
