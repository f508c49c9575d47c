#include "engine/keyword_scan.h"

#include "engine/keyword_lists.h"
#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::cp;

TEST(KeywordScan, FindsWithoutSteppingBack) {
  struct Case {
    const char* entry;
    const char* text;
    bool found;
  } cases[] = {
      {"ПАПУ", "МОЙ ПАПУ", true},
      {"ПАПУ", "ПАПАПУ", false},
      {" ИМЯ", "КАК ТВОЁ ИМЯ?", true},
      {" ИМЯ", "ИМЯ?", false},
      {"ИМЯ ", "ИМЯ ТВОЁ?", true},
      {"ИМЯ ", "ТВОЁ ИМЯ", false},
      {" ЛЕТ", "ПОЛЕТЕЛ", false},
      {"ДУРА", "ДУРАКИ", true},
      {"Я", "Я", true},
      {"Я", "ТЫ", false},
      {"ПРИВЕТ", "привет", false},
      {"ААБ", "ААБ", true},
      {"ААБ", "АААБ", false},
      {"", "ЧТО УГОДНО", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + " in " + c.text);
    EXPECT_EQ(keywordFound(cp(c.entry), cp(c.text)), c.found);
  }
}

TEST(KeywordLists, HaveTheirEntriesAfterAnEmptyFirstLine) {
  struct Case {
    std::vector<std::string> list;
    std::size_t entries;
    const char* first;
    const char* last;
  } cases[] = {
      {designerAbusiveList(), 82, " ЛОХ", "Я СОТРУ"},
      {designerFarewellList(), 54, "BY", "ЭЙ, ПОКА"},
      {designerPersonalList(), 79, " ИМЯ", "ШЕРСТ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    ASSERT_EQ(c.list.size(), c.entries + 1);
    EXPECT_EQ(c.list[0], "");
    EXPECT_EQ(c.list[1], cp(c.first));
    EXPECT_EQ(c.list.back(), cp(c.last));
  }
}

}  // namespace
}  // namespace sob
