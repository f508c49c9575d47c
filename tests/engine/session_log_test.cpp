#include "engine/session_log.h"

#include "support/turn_fixture.h"

namespace sob {
namespace {

using Lines = std::vector<std::string>;

class SessionLog : public testing::TurnTest {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Слова", "ПРИВЕТ^Привет!;", "_ДА^Хорошо.;"});
    folder.write("Log.Tambrel", {"старая запись"});
  }
  const DateTime when{"10.12.2026", "22:07:33"};
  const Lines header{
      "",
      std::string(80, '-'),
      std::string(22, ' ') + std::string(30, '_'),
      std::string(22, ' ') + "Дата - 10.12.2026   |   Время -22:07:33",
      std::string(22, ' ') + std::string(30, '~'),
      "//Загружено фраз выученных программой: 2",
  };
};

TEST_F(SessionLog, AnEntryHoldsTheSessionLinesBetweenItsFrames) {
  say("привет");
  say("как дела?");
  appendSessionLogEntry(dialogue, files, when);
  Lines expected{"старая запись"};
  expected.insert(expected.end(), header.begin(), header.end());
  expected[6] = "//Загружено фраз выученных программой: 3";  // the unknown question was learned
  for (const auto& line : log()) expected.push_back(line);
  expected.push_back(std::string(53, '='));
  EXPECT_EQ(folder.lines("Log.Tambrel"), expected);
  EXPECT_EQ(log().size(), 4u);
}

TEST_F(SessionLog, AnEmptySessionGivesSevenLines) {
  appendSessionLogEntry(dialogue, files, when);
  Lines expected{"старая запись"};
  expected.insert(expected.end(), header.begin(), header.end());
  expected.push_back(std::string(53, '='));
  EXPECT_EQ(folder.lines("Log.Tambrel"), expected);
}

TEST_F(SessionLog, AMissingLogFileIsNeverCreated) {
  std::filesystem::remove(folder.path() / "Base" / "Log.Tambrel");
  EXPECT_THROW(appendSessionLogEntry(dialogue, files, when), FileError);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Base" / "Log.Tambrel"));
}

}  // namespace
}  // namespace sob
