#include "session/idle_remarks.h"

#include <functional>

#include "support/turn_fixture.h"

namespace sob {
namespace {

using testing::utf8;

struct CountingIdleHost : IdleHost {
  int sounds = 0;
  void playReplySound() override { ++sounds; }
};

class IdleRemarks : public testing::TurnTest {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Слова"});
    folder.write("Pause.Dat", {"Ты здесь?", "Скучно."});
  }
  // Ticks, the threshold of each tick given by `thresholdAt(tick)`, until a
  // remark comes; the tick it came at, or -1.
  int secondsUntilRemark(const std::function<int(int)>& thresholdAt) {
    for (int tick = 1; tick <= 200; ++tick) {
      random.next = {thresholdAt(tick) - 60, 0};
      int lines = dialogue.transcript.count();
      idleTick(dialogue, files, random, idle);
      if (dialogue.transcript.count() > lines) return tick;
    }
    return -1;
  }
  CountingIdleHost idle;
};

// The threshold is drawn anew at every tick, not kept: a remark comes at the
// first tick whose own draw the counter has reached.
TEST_F(IdleRemarks, ComeAtTheFirstTickWhoseThresholdTheCounterReaches) {
  const struct {
    const char* name;
    std::function<int(int)> thresholdAt;
    int remarkAt;
  } cases[] = {
      {"always 60", [](int) { return 60; }, 60},
      {"always 90", [](int) { return 90; }, 90},
      {"90, then 70 from tick 75", [](int t) { return t < 75 ? 90 : 70; }, 75},
      {"60 until tick 59, then 90", [](int t) { return t < 60 ? 60 : 90; }, 90},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(secondsUntilRemark(c.thresholdAt), c.remarkAt);
    EXPECT_EQ(dialogue.state.idleCounter, 0);
  }
  EXPECT_EQ(idle.sounds, 4);
  EXPECT_GE(random.reseeds, 60 + 90 + 75 + 90);  // reseeded before every draw
}

TEST_F(IdleRemarks, ATurnStartsTheCountdownAgain) {
  for (int tick = 0; tick < 50; ++tick) idleTick(dialogue, files, random, idle);
  say("привет");
  EXPECT_EQ(secondsUntilRemark([](int) { return 60; }), 60);
}

TEST_F(IdleRemarks, AreWrittenInTheGeneralColourAndBecomeTheReplyText) {
  dialogue.held.general = {10, 20, 30};
  dialogue.transcript.attributes().font.name = "Arial";
  dialogue.state.idleCounter = 89;
  random.next = {30, 1};
  idleTick(dialogue, files, random, idle);
  ASSERT_EQ(dialogue.transcript.count(), 1);
  EXPECT_EQ(utf8(dialogue.transcript.line(0)), "Скучно.");
  EXPECT_EQ(dialogue.transcript.at(0).attributes.color, (Color{10, 20, 30}));
  EXPECT_EQ(dialogue.transcript.at(0).attributes.font.name, "Arial");  // the font stays as it was
  EXPECT_EQ(utf8(dialogue.state.reply), "Скучно.");
  EXPECT_EQ(dialogue.logBuffer.count(), 0);
}

TEST_F(IdleRemarks, AnUnreadablePauseFileKeepsTheCounterForTheNextTick) {
  std::filesystem::remove(folder.path() / "Base" / "Pause.Dat");
  dialogue.state.idleCounter = 95;
  EXPECT_THROW(idleTick(dialogue, files, random, idle), FileError);
  EXPECT_EQ(dialogue.state.idleCounter, 96);
  EXPECT_EQ(dialogue.transcript.count(), 0);
  EXPECT_EQ(idle.sounds, 0);
}

}  // namespace
}  // namespace sob
