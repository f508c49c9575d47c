#include "engine/file_store.h"

#include <sys/stat.h>

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::DataFolder;

TEST(FileStore, FindsFilesWhateverTheCaseOfTheirNames) {
  DataFolder folder;
  folder.writeBytes("Words.Dat", "x\r\n");
  for (const char* spelled : {"Base\\Words.Dat", "Base\\Words.dat", "base\\WORDS.DAT", "Base/Words.Dat"}) {
    LineList list(ListKind::Rich);
    folder.files().load(list, spelled);
    EXPECT_EQ(list.lines(), std::vector<std::string>{"x"}) << spelled;
  }
}

TEST(FileStore, ReportsFailuresWithThePathAsSpelled) {
  DataFolder folder;
  LineList list(ListKind::Rich, {"a"});
  struct Case {
    std::function<void()> action;
    const char* report;
  } cases[] = {
      {[&] { folder.files().load(list, "Base\\Nope.Dat"); }, "Cannot open file Base\\Nope.Dat"},
      {[&] { folder.files().load(list, "Base"); }, "Cannot open file Base"},
      {[&] { folder.files().load(list, "D:\\Txt.Dat"); }, "Cannot open file D:\\Txt.Dat"},
      {[&] { folder.files().save(list, "D:\\Txt.Dat"); }, "Cannot create file D:\\Txt.Dat"},
      {[&] { folder.files().save(list, "Missing\\W1.Dat"); }, "Cannot create file Missing\\W1.Dat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    try {
      c.action();
      ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
      EXPECT_STREQ(error.what(), c.report);
    }
  }
}

TEST(FileStore, SaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  DataFolder folder;
  folder.writeBytes("W1.Dat", "old\r\n");
  ::chmod((folder.path() / "Base" / "W1.Dat").c_str(), 0600);
  folder.files().save(LineList(ListKind::Plain, {"new"}), "Base\\w1.dat");
  EXPECT_EQ(folder.readBytes("W1.Dat"), "new\r\n");
  struct stat info {};
  ::stat((folder.path() / "Base" / "W1.Dat").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path() / "Base")) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileStore, AFailedSaveLeavesNoTemporaryFileBehind) {
  DataFolder folder;
  std::filesystem::create_directories(folder.path() / "Base" / "Busy.Dat" / "inside");
  EXPECT_THROW(folder.files().save(LineList(ListKind::Plain, {"x"}), "Base\\Busy.Dat"), FileError);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path() / "Base")) ++entries;
  EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace sob
