#include "appearance/layout_conversion.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;

TEST(LayoutConversion, TurnsLatinLayoutTextIntoRussian) {
  struct Case {
    const char* typed;
    const char* converted;
  } cases[] = {
      {"ghbdtn", "привет"},
      {"Ghbdtn, vbh!", "Привет, мир!"},
      {"`~qQ[{]}", "ёЁйЙхХъЪ"},
      {";:\"", "жЖЭ"},
      {"<>", "бю"},
      {"/", "."},
      {"@#$^&|", "\"№;:?/"},
      {"',.?\\ 123!%*()-_=+", "',.?\\ 123!%*()-_=+"},
      {"уже по-русски", "уже по-русски"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8(convertLayout(cp(c.typed))), c.converted) << c.typed;
}

TEST(LayoutConversion, ASecondPressConvertsWhatTheFirstMadeOfSigns) {
  struct Case {
    const char* typed;
    const char* twice;
  } cases[] = {{"@", "Э"}, {"$", "ж"}, {"^", "Ж"}, {"|", "."}};
  for (const auto& c : cases) EXPECT_EQ(utf8(convertLayout(convertLayout(cp(c.typed)))), c.twice) << c.typed;
}

}  // namespace
}  // namespace sob
