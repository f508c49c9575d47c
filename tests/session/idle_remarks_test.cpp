#include "session/idle_remarks.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

struct CountingIdleHost : IdleHost {
  int sounds = 0;
  void playReplySound() override { ++sounds; }
};

class IdleRemarks : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Слова"});
    folder.write("Pause.Dat", {"Ты здесь?", "Скучно."});
  }
  // Ticks with the threshold drawn as `threshold` each time, until a remark.
  int secondsUntilRemark(int threshold) {
    for (int tick = 1; tick <= 200; ++tick) {
      random.next = {threshold - 60, 0};
      int lines = dialogue.transcript.count();
      idleTick(dialogue, files, random, host);
      if (dialogue.transcript.count() > lines) return tick;
    }
    return -1;
  }
  testing::DataFolder folder;
  FileStore files = folder.files();
  Dialogue dialogue;
  testing::ScriptedRandom random;
  CountingIdleHost host;
};

TEST_F(IdleRemarks, ComeWhenTheCounterReachesTheThresholdDrawnAtThatTick) {
  EXPECT_EQ(secondsUntilRemark(60), 60);
  EXPECT_EQ(secondsUntilRemark(90), 90);
  EXPECT_EQ(dialogue.state.idleCounter, 0);
  EXPECT_EQ(host.sounds, 2);
}

TEST_F(IdleRemarks, AreWrittenInTheGeneralColourAndBecomeTheReplyText) {
  dialogue.held.general = {10, 20, 30};
  dialogue.state.idleCounter = 89;
  random.next = {30, 1};
  idleTick(dialogue, files, random, host);
  ASSERT_EQ(dialogue.transcript.count(), 1);
  EXPECT_EQ(testing::utf8(dialogue.transcript.line(0)), "Скучно.");
  EXPECT_EQ(dialogue.transcript.at(0).attributes.color, (Color{10, 20, 30}));
  EXPECT_EQ(testing::utf8(dialogue.state.reply), "Скучно.");
  EXPECT_EQ(dialogue.logBuffer.count(), 0);
}

TEST_F(IdleRemarks, AnUnreadablePauseFileKeepsTheCounterForTheNextTick) {
  std::filesystem::remove(folder.path() / "Base" / "Pause.Dat");
  dialogue.state.idleCounter = 95;
  EXPECT_THROW(idleTick(dialogue, files, random, host), FileError);
  EXPECT_EQ(dialogue.state.idleCounter, 96);
}

}  // namespace
}  // namespace sob
