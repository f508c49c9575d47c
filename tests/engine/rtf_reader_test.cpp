#include "engine/rtf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace sob::rtf {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// An .rtf file must give the lines of the UTF-8 .txt file beside it.
void expectLinesOfTextBeside(const fs::path& rtf) {
  SCOPED_TRACE(rtf.filename().string());
  Lines expected;
  std::istringstream text(fileBytes(fs::path(rtf).replace_extension(".txt")));
  for (std::string line; std::getline(text, line);) expected.push_back(line);
  std::string document = fileBytes(rtf);
  EXPECT_TRUE(looksLikeRtf(document));
  EXPECT_EQ(readUtf8Lines(document), expected);
}

// Documents written by real word processors, kept beside the repository
// (they are other people's texts) with the lines each must give.
TEST(RtfReader, ReadsTheSampleDocumentsOfRealWriters) {
  fs::path folder = SOB_SOURCE_DIR "/../shared/rtf-samples";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no sample documents at " << folder;
  for (const char* sample : {"wordpad-win10-1703_qlauncher_license_rus", "wordpad-win10-2004_aimp_license-ru",
                             "word2013_kumir2_LICENSE_RU", "word2002_transana_License_ru",
                             "handwritten-cp1251-raw_diff-ext_LICENSE_RU", "lo-written"}) {
    expectLinesOfTextBeside(folder / (std::string(sample) + ".rtf"));
  }
}

// Streams in the shapes of the rich edit control (2.0 and the 1.0 without a
// code page), of Word (\uN\'3f, per-font code pages) and of LibreOffice.
TEST(RtfReader, ReadsTheStreamsOfEachKindOfWriter) {
  for (const char* fixture : {"richedit20", "richedit10", "word-unicode", "libreoffice"}) {
    expectLinesOfTextBeside(fs::path(SOB_FIXTURES) / "rtf" / (std::string(fixture) + ".rtf"));
  }
}

TEST(RtfReader, FollowsTheRulesOfTheFormat) {
  struct Case {
    const char* rule;
    std::string document;
    Lines lines;
  } cases[] = {
      {"a final \\par adds no line", "{\\rtf1 a\\par b\\par}", {"a", "b"}},
      {"a last paragraph without \\par", "{\\rtf1 a\\par b}", {"a", "b"}},
      {"an empty last paragraph", "{\\rtf1 a\\par\\par}", {"a", ""}},
      {"no paragraphs", "{\\rtf1\\ansi }", {}},
      {"the document ends at its first group's brace", std::string("{\\rtf1 a\\par}\r\n") + '\0' + "tail\\par", {"a"}},
      {"raw line breaks are not text", "{\\rtf1 \\'cf\\'f0\r\n\\'e8\n\\'e2 x\r\ny\\par}", {"Прив xy"}},
      {"a backslash before a line break ends a paragraph", "{\\rtf1 R\\\r\nS\\\nT}", {"R", "S", "T"}},
      {"one blank after a word is its delimiter", "{\\rtf1 \\b0  x\\b0\ty\\par}", {" x\ty"}},
      {"a symbol takes no delimiter", "{\\rtf1 a\\~ b\\par}", {"a\u00A0 b"}},
      {"escaped characters", "{\\rtf1 \\\\ \\{ \\} \\'5c\\par}", {"\\ { } \\"}},
      {"paragraph ends", "{\\rtf1 a\\line b\\sect c\\page d\\cell e\\cell\\row f\\par}", {"a", "b", "c", "d", "e", "f"}},
      {"special characters",
       "{\\rtf1 \\tab|\\~|\\-|\\_|\\emdash|\\endash|\\bullet|\\lquote\\rquote\\ldblquote\\rdblquote|\\emspace\\enspace}",
       {"\t|\u00A0||\u2011|\u2014|\u2013|\u2022|\u2018\u2019\u201C\u201D|\u2003\u2002"}},
      {"a raw tab", "{\\rtf1 \\'cf\tQ}", {"П\tQ"}},
      {"hex digits of either case", "{\\rtf1 \\'CF\\'f0}", {"Пр"}},
      {"raw 8-bit bytes", "{\\rtf1\\ansi\\ansicpg1251 \xD1\xE5\xF0\xE3\xE5\xE9}", {"Сергей"}},
      {"no code page at all means 1251", "{\\rtf1\\ansi \\'c4\\'e0}", {"Да"}},
      {"\\ansicpg", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}", {"café"}},
      {"a font's charset beats \\ansicpg",
       "{\\rtf1\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f57\\fcharset204 B;}}\\f0 \\'c6{\\f57 \\'c6}\\'c6}", {"ÆЖÆ"}},
      {"a font's \\cpg beats its charset", "{\\rtf1{\\fonttbl{\\f1\\fcharset204\\cpg1253 A;}}\\f1 \\'e1}", {"α"}},
      {"\\fcharset1 defers to \\ansicpg", "{\\rtf1\\ansicpg1252{\\fonttbl{\\f2\\fcharset1 A;}}\\f2 \\'e9}", {"é"}},
      {"\\plain returns to \\deff",
       "{\\rtf1\\ansicpg1252\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f0 \\'c6\\plain \\'c6}", {"ÆЖ"}},
      {"\\fcharset outside the font table changes nothing",
       "{\\rtf1{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\fcharset204 \\'c6}", {"Æ"}},
      {"two-byte code pages", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'82\\'a2}", {"あい"}},
      {"a font's group ends with the group", "{\\rtf1{\\fonttbl{\\f1\\fcharset0 A;}}{\\f1 \\'e9}\\'e9}", {"éй"}},
      {"\\uN and its fallback", "{\\rtf1 \\u1055\\'3f\\u1088\\'3f\\u-3913?}", {"Пр\uF0B7"}},
      {"a fallback after a line break", "{\\rtf1 \\u1086\r\n\\'3f\\u1081\\'3f}", {"ой"}},
      {"a fallback after the word's blank", "{\\rtf1 \\u1055 ?x}", {"Пx"}},
      {"\\uc is scoped", "{\\rtf1 {\\uc2\\u1046\\'c6\\'c6 x}\\u1046?y}", {"Ж xЖy"}},
      {"\\uc0 has no fallback", "{\\rtf1 \\uc0\\u1046 J}", {"ЖJ"}},
      {"control words in a fallback do not count", "{\\rtf1 {\\uc2\\u1046\\'c6\\tab x}y}", {"Ж\ty"}},
      {"a fallback ends at a brace", "{\\rtf1 \\uc3\\u1046{a}b}", {"Жab"}},
      {"a surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", {"\U0001F600"}},
      {"a lone surrogate", "{\\rtf1 a\\u-10179?b\\u-8704?c}", {"a\uFFFDb\uFFFDc"}},
      {"\\ud holds the text of \\upr", "{\\rtf1 {\\upr{\\'3f}{\\*\\ud{\\u1046?}}}x}", {"Жx"}},
      {"skipped groups",
       "{\\rtf1{\\fonttbl{\\f0 F;}}{\\colortbl;\\red0;}{\\stylesheet{\\s1 S;}}{\\info{\\title T}}{\\pict\\wmetafile8 0100}"
       "{\\pntext\\'b7\\tab}{\\listtext 1.\\tab}{\\pn\\pnlvlblt{\\pntxtb \\'b7}}{\\header H\\par}{\\footnote N}"
       "{\\mmathPr\\mmathFont34}{\\*\\unknown U\\par}{\\*\\generator G;}text}",
       {"text"}},
      {"a field keeps its result", "{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{link}}}\\par}", {"link"}},
      {"\\bin data may hold anything", "{\\rtf1 a\\bin4 {\\}}b\\par}", {"ab"}},
      {"hidden text is text", "{\\rtf1 k{\\v hidden}l}", {"khiddenl"}},
      {"unknown words and their parameters", "{\\rtf1\\nouicompat\\rsid11152599\\wgrffmtfilter2450 x\\foo-12 y}", {"xy"}},
      {"a capital letter in a word", "{\\rtf1 \\clFitText x}", {"x"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    EXPECT_EQ(readUtf8Lines(c.document), c.lines);
  }
}

TEST(RtfReader, GivesWindows1251LinesWithOneQuestionMarkPerForeignCharacter) {
  struct Case {
    const char* what;
    std::string document;
    std::string line;
  } cases[] = {
      {"Windows-1251 bytes stay as they are", "{\\rtf1 \\'ea\\'98\\'ff}", "\xEA\x98\xFF"},
      {"unicode that Windows-1251 holds", "{\\rtf1 \\u1071?\\u8470?}", "\xDF\xB9"},
      {"unicode it does not hold", "{\\rtf1 \\u8776?\\u960?x}", "??x"},
      {"a surrogate pair is one character", "{\\rtf1 \\u-10179?\\u-8704?}", "?"},
      {"another code page", "{\\rtf1\\ansicpg1252 caf\\'e9 \\'c0}", "caf? ?"},
      {"the Symbol font", "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1 \\'b7}}", "?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(readCp1251Lines(c.document), Lines{c.line});
  }
}

TEST(RtfReader, RecognisesAnRtfDocumentOnlyByItsStart) {
  EXPECT_TRUE(looksLikeRtf("{\\rtf1}"));
  EXPECT_TRUE(looksLikeRtf(" \t\r\n{\\rtf1}"));
  EXPECT_FALSE(looksLikeRtf("text {\\rtf1}"));
  EXPECT_FALSE(looksLikeRtf("{\\rt"));
  EXPECT_FALSE(looksLikeRtf(""));
}

// Broken documents load as the lines they hold, without a crash, a hang or
// memory beyond the size of the input, and without recursion on the depth.
TEST(RtfReader, ReadsBrokenDocumentsAsFarAsTheyGo) {
  std::string binary = "{\\rtf1 ";
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37 % 256);
  struct Case {
    const char* what;
    std::string document;
    std::optional<Lines> lines;  // nothing: any lines will do
  } cases[] = {
      {"too many closing braces", "{\\rtf1 unbalanced}}}}} more}", Lines{"unbalanced"}},
      {"a closing brace first", "}}{\\rtf1 x}", Lines{"x"}},
      {"groups never closed", "{\\rtf1 {{{ never\\par closed", Lines{" never", "closed"}},
      {"100000 nested groups", "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100001, '}') + "y",
       Lines{"x"}},
      {"100000 open groups", "{\\rtf1 " + std::string(100000, '{') + "x", Lines{"x"}},
      {"cut inside \\'h", "{\\rtf1 cut\\'c", Lines{"cut"}},
      {"a broken \\'h", "{\\rtf1 a\\'cxb\\'yb}", Lines{"axbyb"}},
      {"cut after \\'", "{\\rtf1 cut\\'", Lines{"cut"}},
      {"cut after a backslash", "{\\rtf1 cut\\", Lines{"cut"}},
      {"cut inside \\u", "{\\rtf1 cut\\u", Lines{"cut"}},
      {"cut inside a fallback", "{\\rtf1 cut\\uc3\\u1046 ?", Lines{"cutЖ"}},
      {"cut after a high surrogate", "{\\rtf1 \\u-10179?", Lines{"\uFFFD"}},
      {"cut inside \\bin data", "{\\rtf1 a\\bin10 {{}", Lines{"a"}},
      {"a \\bin longer than the file", "{\\rtf1 a\\bin99999999999999999999 b}", Lines{"a"}},
      {"a negative \\bin", "{\\rtf1 a\\bin-5 b}", Lines{"ab"}},
      {"a negative \\uc", "{\\rtf1 \\uc-5\\u1046 x}", Lines{"Жx"}},
      {"a huge \\uc", "{\\rtf1 \\uc99999999999\\u1046 xxxxxxxxxxxxxxxxxxxxy}", Lines{"Жxxxxy"}},
      {"a huge \\u", "{\\rtf1 \\u99999999999999 x}", std::nullopt},
      {"a huge font number", "{\\rtf1 \\f999999999999\\'e0}", Lines{"а"}},
      {"a code page nobody knows", "{\\rtf1\\ansicpg77777 \\'e0\\'ff.}", Lines{"\uFFFD\uFFFD."}},
      {"a negative code page", "{\\rtf1\\ansicpg-3 \\'e0}", Lines{"а"}},
      {"a word longer than 32 letters", "{\\rtf1 \\" + std::string(100, 'a') + "123 z}", Lines{"z"}},
      {"NUL bytes", std::string("{\\rtf1 nul\0byte\\par}", 20), Lines{"nulbyte"}},
      {"binary bytes", binary, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Lines lines = readUtf8Lines(c.document);
    if (c.lines) EXPECT_EQ(lines, *c.lines);
    for (const auto& line : lines) EXPECT_LE(line.size(), 3 * c.document.size());
    EXPECT_EQ(readCp1251Lines(c.document).size(), lines.size());
  }
}

}  // namespace
}  // namespace sob::rtf
