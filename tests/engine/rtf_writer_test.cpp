#include "engine/rtf_writer.h"

#include "engine/rtf_reader.h"
#include "support/engine_fixtures.h"

namespace sob::rtf {
namespace {

using Lines = std::vector<std::string>;
using testing::cp;

Lines everyByteOnItsOwnLine() {
  Lines lines;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '\r' && byte != '\n') lines.emplace_back(1, static_cast<char>(byte));
  }
  return lines;
}

TEST(RtfWriter, EveryListOfLinesReadsBackExactly) {
  std::string everyByte;
  for (const auto& line : everyByteOnItsOwnLine()) everyByte += line;
  struct Case {
    const char* what;
    Lines lines;
  } cases[] = {
      {"no lines", {}},
      {"one empty line", {""}},
      {"empty lines only", {"", "", ""}},
      {"an empty first line", {"", cp("КАК ДЕЛА?^Хорошо.;")}},
      {"an empty last line", {"a", ""}},
      {"blanks at the ends", {"  leading and trailing  ", " ", "   "}},
      {"RTF syntax as text", {"\\par", "{\\b not bold}", "back\\slash\\", "\\'e0", "}{", "\\", "{\\rtf1"}},
      {"tabs", {"\t", "\t\ttabs\t", "\t x", "x\t1"}},
      {"hex digits after an escaped byte", {cp("я") + "1f", cp("Ж") + "9 ", "00"}},
      {"phrase-base lines",
       {cp("КАК ДЕЛА?^Хорошо.;А у тебя?;"), cp("_ХОРОШО^Что нового?;"), cp("__НИЧЕГО^Жаль.;"), cp("Я ИДУ ДОМОЙ.^")}},
      {"every byte but CR and LF in one line", {everyByte}},
      {"every byte but CR and LF at the start of a line", everyByteOnItsOwnLine()},
      {"a long line", {std::string(100000, '\xE0')}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(readCp1251Lines(writeCp1251Document(c.lines)), c.lines);
  }
}

// Other programs read these files too: a 1251 document of ASCII bytes with
// a Cyrillic font, one paragraph per line.
TEST(RtfWriter, WritesACode1251DocumentInAscii) {
  std::string document = writeCp1251Document({cp("Да"), "a\\b{c}\t\x01\x7F"});
  EXPECT_TRUE(looksLikeRtf(document));
  EXPECT_NE(document.find("\\ansicpg1251"), std::string::npos);
  EXPECT_NE(document.find("\\fcharset204"), std::string::npos);
  EXPECT_NE(document.find("\\'c4\\'e0\\par"), std::string::npos);
  EXPECT_NE(document.find("a\\\\b\\{c\\}\\tab \\'01\\'7f\\par"), std::string::npos);
  for (char c : document) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

}  // namespace
}  // namespace sob::rtf
