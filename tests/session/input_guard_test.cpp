#include "session/input_guard.h"

#include <gtest/gtest.h>

namespace sob {
namespace {

struct FakeLine : GuardHost {
  std::string text;
  int clears = 0;
  bool transcriptDisabled = false;
  std::string inputText() const override { return text; }
  void clearInput() override {
    text.clear();
    ++clears;
  }
  void disableTranscript() override { transcriptDisabled = true; }
};

// Ticks until the line is cleared; the number of ticks, or 0 if it never is.
int ticksToClear(FakeLine& line, int& position, int limit) {
  for (int tick = 1; tick <= limit; ++tick) {
    guardTick(position, line);
    if (line.text.empty()) return tick;
  }
  return 0;
}

TEST(InputGuard, ClearsALineHoldingAReservedCharacterWhenTheScanReachesIt) {
  struct Case {
    const char* text;
    int ticks;
  } cases[] = {{"^", 1}, {"ab_d", 3}, {"abcd;fghij", 5}, {"abc", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    FakeLine line;
    line.text = c.text;
    int position = 0;
    EXPECT_EQ(ticksToClear(line, position, 20), c.ticks);
    EXPECT_EQ(line.transcriptDisabled, c.ticks > 0);
  }
}

TEST(InputGuard, WalksTheLineAndWrapsAround) {
  FakeLine line;
  line.text = "abc";
  int position = 0;
  std::vector<int> seen;
  for (int tick = 0; tick < 4; ++tick) {
    guardTick(position, line);
    seen.push_back(position);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1}));
  line.text.clear();
  guardTick(position, line);
  EXPECT_EQ(position, 1);  // an empty line leaves the position alone
}

TEST(InputGuard, CopesWithALineThatBecameShorter) {
  FakeLine line;
  line.text = "abcdefgh";
  int position = 0;
  for (int tick = 0; tick < 6; ++tick) guardTick(position, line);
  line.text = "x;";
  EXPECT_EQ(ticksToClear(line, position, 4), 2);
}

TEST(InputGuard, ScanningANewLineGoesOnFromWhereTheLastFindWas) {
  FakeLine line;
  line.text = "ab;";
  int position = 0;
  ticksToClear(line, position, 5);
  EXPECT_EQ(position, 3);
  line.text = "_bcd";
  EXPECT_EQ(ticksToClear(line, position, 10), 2);  // position 4 first, then 1
}

}  // namespace
}  // namespace sob
