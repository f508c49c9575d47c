#include "appearance/layout_conversion.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;

struct Conversion {
  const char* typed;
  const char* expected;
};

// The keyboard row by row, as the Latin layout gives it and as it was meant.
constexpr Conversion kKeyRows[] = {
    {"`qwertyuiop[]", "ёйцукенгшщзхъ"},
    {"~QWERTYUIOP{}", "ЁЙЦУКЕНГШЩЗХЪ"},
    {"asdfghjkl;", "фывапролдж"},
    {"ASDFGHJKL:\"", "ФЫВАПРОЛДЖЭ"},
    {"zxcvbnm/", "ячсмить."},
    {"ZXCVBNM<>", "ЯЧСМИТЬбю"},  // "<" and ">" give small letters
    {"@#$^&|", "\"№;:?/"},
};

constexpr Conversion kPhrases[] = {
    {"ghbdtn", "привет"},
    {"Ghbdtn, vbh!", "Привет, мир!"},
    {"", ""},
    {"уже по-русски 2024", "уже по-русски 2024"},
    {"',.?\\ 0123456789!%*()-_=+", "',.?\\ 0123456789!%*()-_=+"},
    {"Ntcn 5 % ([jhjij)", "Тест 5 % (хорошо)"},
};

TEST(LayoutConversion, GivesWhatTheSameKeysGiveInTheRussianLayout) {
  for (const Conversion& c : kKeyRows) EXPECT_EQ(utf8(convertLayout(cp(c.typed))), c.expected) << c.typed;
  for (const Conversion& c : kPhrases) EXPECT_EQ(utf8(convertLayout(cp(c.typed))), c.expected) << c.typed;
}

// The signs a first press makes are themselves keys of the Latin layout.
TEST(LayoutConversion, ASecondPressConvertsTheSignsTheFirstMade) {
  constexpr Conversion kTwice[] = {{"@", "Э"}, {"$", "ж"}, {"^", "Ж"}, {"|", "."}, {"ghbdtn", "привет"}};
  for (const Conversion& c : kTwice) {
    EXPECT_EQ(utf8(convertLayout(convertLayout(cp(c.typed)))), c.expected) << c.typed;
  }
}

TEST(LayoutConversion, LeavesEveryOtherByteAsItIs) {
  const std::string sources = "`~qQwWeErRtTyYuUiIoOpP[{]}aAsSdDfFgGhHjJkKlL;:\"zZxXcCvVbBnNmM<>/@#$^&|";
  ASSERT_EQ(sources.size(), 70u);
  for (int byte = 0; byte < 256; ++byte) {
    std::string one(1, static_cast<char>(byte));
    if (sources.find(one) != std::string::npos) continue;
    EXPECT_EQ(convertLayout(one), one) << "byte " << byte;
  }
}

}  // namespace
}  // namespace sob
