#include "session/self_talk_settings.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

TEST(SelfTalkInterval, ReadsWholeNumbersAndNeverGoesBelowOne) {
  struct Case {
    const char* text;
    int interval;
  } cases[] = {{"1000", 1000}, {"1", 1}, {"60000", 60000}, {"0", 1},  {"-5", 1},
               {"abc", 1},     {"", 1},  {"12x", 1},       {" 12", 1}, {"99999999999", 1}};
  for (const auto& c : cases) EXPECT_EQ(selfTalkIntervalOf(c.text), c.interval) << '"' << c.text << '"';
}

TEST(FocusHop, EvenDrawsLandOnThePathAndOddOnTheIntervalAfterAReseed) {
  testing::ScriptedRandom random;
  random.next = {0, 1, 2, 3, 4, 5};
  std::vector<SettingsField> fields;
  for (int hop = 0; hop < 6; ++hop) fields.push_back(focusHopField(random));
  using enum SettingsField;
  EXPECT_EQ(fields, (std::vector<SettingsField>{Path, Interval, Path, Interval, Path, Interval}));
  EXPECT_EQ(random.reseeds, 6);
}

}  // namespace
}  // namespace sob
