#include "engine/rtf_writer.h"

#include "engine/rtf_reader.h"
#include "support/engine_fixtures.h"

namespace sob::rtf {
namespace {

TEST(RtfWriter, EveryLineReadsBackExactly) {
  std::string everyByte;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '\r' && byte != '\n') everyByte += static_cast<char>(byte);
  }
  const std::vector<std::vector<std::string>> documents = {
      {},
      {""},
      {"", ""},
      {"a", ""},
      {"  leading and trailing  ", " "},
      {"\\par", "{\\b not bold}", "back\\slash\\", "\t\ttabs\t", "\\'e0"},
      {testing::cp("КАК ДЕЛА?^Хорошо.;А у тебя?;"), testing::cp("_ХОРОШО^Что нового?;")},
      {everyByte},
  };
  for (const auto& lines : documents) {
    SCOPED_TRACE(::testing::PrintToString(lines));
    std::string document = writeCp1251Document(lines);
    EXPECT_TRUE(looksLikeRtf(document));
    EXPECT_NE(document.find("\\ansicpg1251"), std::string::npos);
    EXPECT_EQ(readCp1251Lines(document), lines);
  }
}

TEST(RtfWriter, WritesCyrillicAsEscapedBytes) {
  std::string document = writeCp1251Document({testing::cp("Да")});
  EXPECT_NE(document.find("\\'c4\\'e0\\par"), std::string::npos);
  for (char c : document) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

}  // namespace
}  // namespace sob::rtf
