#include "engine/rtf_reader.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/engine_fixtures.h"

namespace sob::rtf {
namespace {

using Lines = std::vector<std::string>;

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Documents in the shapes that the Windows rich edit control, word
// processors and this program write, with the lines they hold (UTF-8).
TEST(RtfReader, ReadsTheParagraphsOfDocumentsFromManyWriters) {
  struct Case {
    const char* writer;
    std::string document;
    Lines lines;
  } cases[] = {
      {"rich edit 2.0",
       "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 MS Sans Serif;}}\r\n"
       "\\viewkind4\\uc1\\pard\\f0\\fs16 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par\r\n\\'ca\\'e0\\'ea \\'e4\\'e5\\'eb\\'e0?\\par\r\n}\r\n",
       {"Привет", "Как дела?"}},
      {"rich edit 1.0 without a code page",
       "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
       "{\\f2\\fswiss\\fcharset1 MS Sans Serif;}}{\\colortbl\\red0\\green0\\blue0;}\\deflang1033\\pard\\plain\\f2\\fs16 "
       "\\'c4\\'e0\\par }",
       {"Да"}},
      {"a word processor writing unicode with fallbacks",
       "{\\rtf1\\ansi\\ansicpg1252\\uc1{\\fonttbl{\\f39\\fcharset0 Droid Sans;}}{\\*\\generator Word;}"
       "{\\info{\\author \\u1040\\'3f}}\\pard\\f39 \\u1047\\'3f\\u1072\\'3f\r\n{\\uc2\\u1046\\'c6\\'c6 x}\\par}",
       {"За\u0416 x"}},
      {"an office suite writing every letter as \\uN",
       "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Liberation Serif;}}{\\stylesheet{\\s0 Normal;}}\n"
       "{\\*\\pgdsctbl{\\pgdsc0 Default;}}\\pard\\plain \\u1055\\'3f\\u1088\\'3f\\u1080\\'3f \\\\ \\{ \\} \\u8212\\'97 \\u171\\'ab\\par }",
       {"При \\ { } — «"}},
      {"per-font code pages",
       "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times;}{\\f57\\fcharset204 Times CYR;}}"
       "\\f0 caf\\'e9 {\\f57 \\'cf\\'c5}\\par}",
       {"café ПЕ"}},
      {"tabs, line breaks, fields and lists",
       "{\\rtf1\\ansi\\ansicpg1251 {\\pntext\\f3\\'B7\\tab}a\\tab b\\line c\\par "
       "{\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{link}}}\\par\\par NB\\~sp soft\\-hy\\par}",
       {"a\tb", "c", "link", "", "NB\u00A0sp softhy"}},
      {"a document that ends without its last paragraph mark",
       "{\\rtf1 one\\par two}", {"one", "two"}},
      {"text after the document's last brace",
       "{\\rtf1 one\\par}\r\n\0tail", {"one"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.writer);
    EXPECT_TRUE(looksLikeRtf(c.document));
    EXPECT_EQ(readUtf8Lines(c.document), c.lines);
  }
}

TEST(RtfReader, GivesWindows1251LinesWithQuestionMarksForOtherCharacters) {
  EXPECT_EQ(readCp1251Lines("{\\rtf1\\ansi\\ansicpg1251 \\'ea\\u8776?\\u1071?\\par}"),
            Lines{"\xEA?\xDF"});
}

TEST(RtfReader, RecognisesAnRtfDocumentOnlyByItsStart) {
  EXPECT_TRUE(looksLikeRtf(" \r\n{\\rtf1}"));
  EXPECT_FALSE(looksLikeRtf("text {\\rtf1}"));
  EXPECT_FALSE(looksLikeRtf(""));
}

// Broken documents load as whatever lines they give, quickly, without a crash.
TEST(RtfReader, SurvivesBrokenDocuments) {
  std::string deep = "{\\rtf1 " + std::string(100000, '{') + "x";
  std::string binary = "{\\rtf1 ";
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37 % 256);
  const std::string cases[] = {
      "{\\rtf1 unbalanced}}}}} more}",
      "{\\rtf1 {{{ never closed",
      "{\\rtf1 cut in \\'c",
      "{\\rtf1 cut in \\u",
      "{\\rtf1 \\bin99999999999999 x}",
      "{\\rtf1 \\uc-5\\u1046 x\\uc99999999999\\u1046 y}",
      "{\\rtf1 \\u-99999999999 \\ansicpg-3 \\f999999999999\\'e0}",
      "{\\rtf1 \\ansicpg77777 \\'e0\\'ff}",
      "{\\rtf1 \\" + std::string(100, 'a') + "123 z}",
      deep,
      binary,
      std::string("{\\rtf1 nul\0byte\\par}", 20),
  };
  for (const auto& document : cases) {
    SCOPED_TRACE(document.substr(0, 40));
    EXPECT_NO_THROW(readCp1251Lines(document));
    EXPECT_NO_THROW(readUtf8Lines(document));
  }
}

// Files written by real word processors, kept beside the repository with
// the lines each must give; not part of the repository itself.
TEST(RtfReader, ReadsTheSampleDocumentsOfRealWriters) {
  std::filesystem::path folder = std::filesystem::path(SOB_SOURCE_DIR) / ".." / "shared" / "rtf-samples";
  if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no sample documents beside the repository";
  int samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".rtf") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++samples;
    Lines expected;
    std::istringstream text(fileText(std::filesystem::path(entry.path()).replace_extension(".txt")));
    for (std::string line; std::getline(text, line);) expected.push_back(line);
    EXPECT_EQ(readUtf8Lines(fileText(entry.path())), expected);
  }
  EXPECT_GT(samples, 0);
}

}  // namespace
}  // namespace sob::rtf
