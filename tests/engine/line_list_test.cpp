#include "engine/line_list.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using Lines = std::vector<std::string>;

TEST(LineList, LoadsPlainTextWhateverItsLineEnds) {
  struct Case {
    const char* bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\rb", {"a", "b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(c.bytes)));
    for (ListKind kind : {ListKind::Rich, ListKind::Plain}) {
      LineList list(kind);
      list.setFileBytes(c.bytes);
      EXPECT_EQ(list.lines(), c.lines);
      EXPECT_EQ(list.count(), static_cast<int>(c.lines.size()));
    }
  }
}

TEST(LineList, AddingTextAddsOneLinePerPartAndAnEmptyLineAfterAFinalBreak) {
  LineList list(ListKind::Rich);
  list.add("a\r\nb\r\n");
  EXPECT_EQ(list.lines(), (Lines{"a", "b", ""}));
  list.add("");
  EXPECT_EQ(list.lines(), (Lines{"a", "b", "", ""}));
}

TEST(LineList, RemovingOutsideTheListChangesNothing) {
  LineList list(ListKind::Rich, {"a", "b"});
  list.remove(-1);
  list.remove(2);
  EXPECT_EQ(list.lines(), (Lines{"a", "b"}));
  list.remove(0);
  EXPECT_EQ(list.lines(), (Lines{"b"}));
  list.clear();
  EXPECT_EQ(list.count(), 0);
}

TEST(LineList, ReadsAtMost4096CharactersOfALine) {
  LineList list(ListKind::Rich, {std::string(5000, 'x')});
  EXPECT_EQ(list.line(0).size(), LineList::kMaxLineLength);
  EXPECT_EQ(list.lines()[0].size(), 5000u);
  EXPECT_EQ(list.line(7), "");
}

TEST(LineList, WholeTextKeepsWhetherAPlainFileEndedWithABreak) {
  LineList open(ListKind::Plain);
  open.setFileBytes("a\r\nb");
  EXPECT_EQ(open.wholeText(), "a\r\nb");
  LineList closed(ListKind::Plain);
  closed.setFileBytes("a\nb\n");
  EXPECT_EQ(closed.wholeText(), "a\r\nb\r\n");
  open.add("c");
  EXPECT_EQ(open.wholeText(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(LineList(ListKind::Rich, {"x", "y"}).wholeText(), "x\r\ny\r\n");
}

TEST(LineList, RichListSavesRtfAndReadsItBackWithTheSameLines) {
  LineList list(ListKind::Rich);
  list.setFileBytes(testing::cp("КАК ДЕЛА?^Хорошо.;А у тебя?;\r\n_ХОРОШО^Что нового?;\r\n  {скобки} \\ \r\n\r\n"));
  std::string rtf = list.fileBytes();
  EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
  LineList again(ListKind::Rich);
  again.setFileBytes(rtf);
  EXPECT_EQ(again.lines(), list.lines());
}

TEST(LineList, PlainListSavesPlainText) {
  LineList list(ListKind::Plain, {"a", "b"});
  EXPECT_EQ(list.fileBytes(), "a\r\nb\r\n");
  LineList rtfAsText(ListKind::Plain);
  rtfAsText.setFileBytes("{\\rtf1 x\\par}");
  EXPECT_EQ(rtfAsText.lines(), (Lines{"{\\rtf1 x\\par}"}));
}

}  // namespace
}  // namespace sob
