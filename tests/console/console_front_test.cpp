#include "app/console/console_front.h"

#include <sstream>

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::DataFolder;

struct ConsoleRun {
  int status;
  std::string out, err;
};

ConsoleRun converse(const DataFolder& folder, const std::string& input) {
  FileStore files = folder.files();
  testing::ScriptedRandom random;
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = runConsole(in, out, err, {files, random, [] { return DateTime{"01.02.2026", "10:00:00"}; }});
  return {status, out.str(), err.str()};
}

class Console : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Слова", "ПРИВЕТ^Привет!;", "ПОКА^Счастливо!;"});
    folder.write("Log.Tambrel", {});
  }
  DataFolder folder;
};

TEST_F(Console, PrintsTheSessionLinesOfEachTurnAndLogsTheSession) {
  ConsoleRun run = converse(folder, "привет\r\nкак дела?\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "USER:     Привет.\nCPU:     Привет!\nUSER:     Как дела?\nCPU:     Не знаю.\n");
  auto log = folder.lines("Log.Tambrel");
  ASSERT_EQ(log.size(), 11u);
  EXPECT_EQ(log[6], "USER:     Привет.");
  EXPECT_EQ(log[9], "CPU:     Не знаю.");
}

TEST_F(Console, RefusesLinesThatCannotStartATurn) {
  std::string tooLong(256, 'x');
  ConsoleRun run = converse(folder, "\nсмайлик 🙂\nа^б\nа_б\nа;б\n" + tooLong + "\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 5);
  EXPECT_EQ(run.status, 0);
}

TEST_F(Console, AFarewellEndsTheConversation) {
  ConsoleRun run = converse(folder, "пока\nпривет\n");
  EXPECT_EQ(run.out, "USER:     Пока.\nCPU:     Счастливо!\n");
  EXPECT_EQ(folder.lines("Log.Tambrel").size(), 9u);
}

TEST_F(Console, AFailedFileOperationEndsOnlyItsTurn) {
  std::filesystem::remove(folder.path() / "Base" / "W2.Dat");
  ConsoleRun run = converse(folder, "абракадабра\nпривет\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Cannot open file Base\\W2.Dat\n");
  EXPECT_EQ(run.out, "USER:     Абракадабра.\nUSER:     Привет.\nCPU:     Привет!\n");
}

}  // namespace
}  // namespace sob
