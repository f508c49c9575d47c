#include "session/closing.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

struct RecordingClosingHost : ClosingHost, JitterHost, EditingHost {
  std::vector<std::string> calls;
  int moves = 0, sounds = 0;
  void exitWithLog() override { calls.push_back("exit"); }
  void stopClosingTimer() override { calls.push_back("stop"); }
  void moveAndResizeWindowBy(int dx, int dy, int dw, int dh) override {
    ++moves;
    EXPECT_EQ(std::vector<int>({dx, dy, dw, dh}), std::vector<int>({-3, -2, -10, -8}));
  }
  void playCloseSound() override { ++sounds; }
  void playJitterSound() override { calls.push_back("sound"); }
  void setInputReadOnly(bool readOnly) override { calls.push_back(readOnly ? "read-only" : "editable"); }
  void setMenusEnabled(bool enabled) override { calls.push_back(enabled ? "menus on" : "menus off"); }
  void moveWindowTo(int left, int top) override {
    ++moves;
    EXPECT_TRUE(left >= 95 && left <= 105 && top >= 95 && top <= 105) << left << "," << top;
  }
  void centreWindow() override { calls.push_back("centre"); }
  void stopJitterTimer() override { calls.push_back("stop jitter"); }
  void clearInput() override { calls.push_back("clear input"); }
  void startJitter() override { calls.push_back("jitter"); }
};

TEST(Closing, EightyStepsShrinkTheWindowThenLeaveThroughTheMenu) {
  RecordingClosingHost host;
  int counter = 0;
  for (int step = 1; step < 80; ++step) closingStep(counter, host);
  EXPECT_EQ(host.moves, 79);
  EXPECT_EQ(host.sounds, 70);  // from the tenth step on
  EXPECT_TRUE(host.calls.empty());
  closingStep(counter, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"stop", "exit"}));
  EXPECT_EQ(counter, 80);
}

TEST(Closing, TheJitterMovesTheWindowAmongPointsNearTheCornerThenCentresIt) {
  RecordingClosingHost host;
  testing::ScriptedRandom random;
  random.next = {0, 199};  // 1 is drawn again; then 200 moves
  for (int i = 0; i < 800; ++i) random.next.push_back(i % 2 ? 104 : 50);
  jitterWindow(host, random);
  EXPECT_EQ(host.moves, 200);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"sound", "read-only", "menus off", "centre", "editable",
                                                  "menus on", "stop jitter"}));
  EXPECT_EQ(random.reseeds, 1);
}

TEST(Closing, NewDialogueAndUndoTakeLinesFromTranscriptAndLog) {
  Dialogue dialogue;
  RecordingClosingHost host;
  dialogue.transcript.add("user");
  dialogue.transcript.add("reply");
  dialogue.transcript.add("remark");
  dialogue.logBuffer.add("USER:     user");
  dialogue.logBuffer.add("CPU:     reply");
  undoLastLine(dialogue, host);
  EXPECT_EQ(dialogue.transcript.count(), 2);
  EXPECT_EQ(dialogue.logBuffer.lines(), std::vector<std::string>{"USER:     user"});
  newDialogue(dialogue, host);
  EXPECT_EQ(dialogue.transcript.count(), 0);
  EXPECT_EQ(dialogue.logBuffer.count(), 0);
  undoLastLine(dialogue, host);  // nothing left to take
  EXPECT_EQ(host.calls, (std::vector<std::string>{"jitter", "clear input", "jitter", "jitter"}));
}

}  // namespace
}  // namespace sob
