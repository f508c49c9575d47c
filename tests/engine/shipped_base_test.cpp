// The knowledge base that ships with the program keeps the format every
// reader relies on, and holds enough to make a first conversation pleasant.
#include <fstream>
#include <sstream>

#include "engine/line_list.h"
#include "engine/phrase_line.h"
#include "support/engine_fixtures.h"

namespace sob {
namespace {

std::string shipped(const std::string& name) {
  std::ifstream in(std::filesystem::path(SOB_SOURCE_DIR) / "Base" / name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Plain Windows-1251 text, every line ended by CR LF, no empty line.
std::vector<std::string> plainLines(const std::string& name) {
  std::string bytes = shipped(name);
  EXPECT_FALSE(bytes.empty()) << name;
  EXPECT_TRUE(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n") << name << " ends without CR LF";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " has a bare LF at " << i;
    if (bytes[i] == '\r') EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " has a bare CR at " << i;
  }
  std::vector<std::string> lines = splitLines(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_FALSE(lines[i].empty()) << name << " line " << i;
  return lines;
}

TEST(ShippedBase, ReplyFilesHoldEnoughCleanReplies) {
  struct Case {
    const char* name;
    std::size_t atLeast;
  } cases[] = {{"Pause.Dat", 30}, {"Povtor.Dat", 10}, {"X.Dat", 10},
               {"BigString.Dat", 10}, {"W1.Dat", 40}, {"W2.Dat", 40}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = plainLines(c.name);
    EXPECT_GE(lines.size(), c.atLeast);
    for (const auto& line : lines) EXPECT_EQ(line.find_first_of("^_;"), std::string::npos) << testing::utf8(line);
  }
}

TEST(ShippedBase, EveryPhraseLineKeepsTheGrammar) {
  std::vector<std::string> lines = plainLines("Words.Dat");
  int mainPhrases = 0, deepThreads = 0;
  bool threadHasDeepBranch = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    EXPECT_TRUE(isWellFormedPhraseLine(line)) << "line " << i << ": " << testing::utf8(line);
    EXPECT_LE(branchLevel(line), branchLevel(lines[i - 1]) + 1) << "line " << i << " skips a level";
    if (branchLevel(line) == 0) {
      ++mainPhrases;
      threadHasDeepBranch = false;
    } else if (branchLevel(line) == 2 && !threadHasDeepBranch) {
      threadHasDeepBranch = true;
      ++deepThreads;
    }
  }
  EXPECT_GE(mainPhrases, 150);
  EXPECT_GE(deepThreads, 10);
}

TEST(ShippedBase, KeysAreUpperCase) {
  std::vector<std::string> lines = plainLines("Words.Dat");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::string key(keyText(lines[i]));
    for (unsigned char c : key) EXPECT_FALSE(c >= 0xE0 || c == 0xB8) << "line " << i << ": " << testing::utf8(key);
  }
}

TEST(ShippedBase, TheSessionLogStartsEmpty) { EXPECT_EQ(shipped("Log.Tambrel"), ""); }

}  // namespace
}  // namespace sob
