// The knowledge base that ships with the program: plain Windows-1251 text in
// the form every reader relies on, every key able to answer, and enough
// phrases and threads that a first conversation goes somewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/keyword_lists.h"
#include "engine/keyword_scan.h"
#include "engine/normalise.h"
#include "engine/phrase_line.h"
#include "engine/phrase_search.h"
#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::cp;
using testing::utf8;

std::filesystem::path shippedBase() { return std::filesystem::path(SOB_SOURCE_DIR) / "Base"; }

std::string shippedBytes(const std::string& name) {
  std::ifstream in(shippedBase() / name, std::ios::binary);
  EXPECT_TRUE(in) << name << " is missing";
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The lines of a shipped text file, checked on the way: each one ended by
// CR LF (the last one too), none empty, no bare CR or LF inside.
std::vector<std::string> plainLines(const std::string& name) {
  std::string bytes = shippedBytes(name);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << name << " does not end with CR LF";
      end = bytes.size();
    }
    std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << name << " line " << lines.size() << ": bare CR or LF";
    EXPECT_FALSE(line.empty()) << name << " line " << lines.size() << " is empty";
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

std::string keyOf(const std::string& line) {
  return std::string(keyText(line).substr(static_cast<std::size_t>(branchLevel(line))));
}

TEST(ShippedBase, ReplyFilesHoldEnoughCleanReplies) {
  const struct {
    const char* name;
    std::size_t atLeast;
  } files[] = {{"Pause.Dat", 30}, {"Povtor.Dat", 10}, {"X.Dat", 10},
               {"BigString.Dat", 10}, {"W1.Dat", 40}, {"W2.Dat", 40}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    std::vector<std::string> lines = plainLines(file.name);
    EXPECT_GE(lines.size(), file.atLeast);
    for (const auto& line : lines) {
      EXPECT_EQ(line.find_first_of("^_;"), std::string::npos) << "reserved character in: " << utf8(line);
    }
  }
}

TEST(ShippedBase, TheSessionLogStartsEmpty) {
  EXPECT_TRUE(std::filesystem::exists(shippedBase() / "Log.Tambrel"));
  EXPECT_EQ(shippedBytes("Log.Tambrel"), "");
}

// Every line answers (no unanswered phrase ships), keys are upper case as the
// matching needs, and a branch never skips a level below the line above it.
TEST(ShippedBase, PhraseBaseKeepsTheGrammarAndHasThreads) {
  std::vector<std::string> lines = plainLines("Words.Dat");
  ASSERT_FALSE(lines.empty());
  int mainPhrases = 0, deepBranches = 0;
  bool threadHasLevel1 = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    SCOPED_TRACE("line " + std::to_string(i) + ": " + utf8(line));
    EXPECT_TRUE(isWellFormedPhraseLine(line));
    EXPECT_GE(replyCount(line), 1);
    EXPECT_LE(replyCount(line), 4);
    EXPECT_EQ(upperCyrillic(keyOf(line)), keyOf(line));
    int level = branchLevel(line);
    EXPECT_LE(level, branchLevel(lines[i - 1]) + 1);
    if (level == 0) {
      ++mainPhrases;
      threadHasLevel1 = false;
    }
    if (level == 1) threadHasLevel1 = true;
    if (level == 2 && threadHasLevel1) ++deepBranches;
  }
  EXPECT_GE(mainPhrases, 150);
  EXPECT_GE(deepBranches, 10);
}

// A key is never found when an earlier rival occurs in it (the earlier line
// wins every phrase that holds it) or when it holds an abusive word (the
// abusive-word reaction comes first). Rivals of a main phrase are the main
// phrases above it; rivals of a branch are the branches of its level above
// it in the same thread, up to its parent.
TEST(ShippedBase, EveryKeyCanAnswer) {
  std::vector<std::string> lines = plainLines("Words.Dat");
  std::vector<std::string> abusive = designerAbusiveList();
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const int level = branchLevel(lines[i]);
    const std::string key = keyOf(lines[i]);
    SCOPED_TRACE("line " + std::to_string(i) + ": " + utf8(key));
    for (std::size_t j = i - 1; j >= 1; --j) {
      const int rivalLevel = branchLevel(lines[j]);
      if (rivalLevel < level) break;
      if (rivalLevel == level) {
        EXPECT_FALSE(keywordFound(keyOf(lines[j]), key)) << "hidden by line " << j << ": " << utf8(keyOf(lines[j]));
      }
    }
    for (std::size_t a = 1; a < abusive.size(); ++a) {
      EXPECT_FALSE(keywordFound(abusive[a], key)) << "holds the abusive entry " << utf8(abusive[a]);
    }
  }
}

// What a newcomer is likely to type first finds the line written for it, and
// threads are followed down to their third level.
TEST(ShippedBase, CommonPhrasesFindTheirLines) {
  struct Step {
    const char* phrase;
    const char* key;  // with its "_" prefix
  };
  const std::vector<std::vector<Step>> conversations = {
      {{"как дела?", "КАК ДЕЛА?"}, {"хорошо", "_ХОРОШО"}, {"ничего", "__НИЧЕГО"}, {"ничего", "___НИЧЕГО"}},
      {{"привет", "ПРИВЕТ"}, {"не очень", "_НЕ ОЧЕНЬ"}, {"устал", "__УСТАЛ"}},
      {{"как тебя зовут?", "КАК ТЕБЯ ЗОВУТ"}, {"меня зовут Аня", "_МЕНЯ ЗОВУТ"}, {"мне 20 лет", "__ЛЕТ"}},
      {{"какая у тебя погода?", "ПОГОД"}, {"жарко", "_ЖАР"}, {"не люблю", "__НЕ ЛЮБЛЮ"}, {"зиму", "___ЗИМ"}},
      {{"расскажи анекдот", "РАССКАЖИ АНЕКДОТ"}, {"про животных", "_ПРО ЖИВОТН"}, {"ещё", "__ЕЩ"}},
      {{"кто тебя создал?", "КТО ТЕБЯ"}, {"да", "_ДА"}, {"на питоне", "__ПИТОН"}},
      {{"хорошо", "ХОРОШО"}},
      {{"мне восемь лет", " ЛЕТ"}},
      {{"где ты живешь?", "ГДЕ ТЫ ЖИВ"}},
      {{"который час?", "КОТОРЫЙ ЧАС"}},
      {{"я учусь в университете", "УЧУСЬ"}},
      {{"не забывай меня", "ЗАБЫВАЙ"}},
      {{"покажи картинку", "ПОКАЖ"}},
      {{"пока", "ПОКА"}},
  };
  testing::DataFolder folder;
  for (const auto& file : std::filesystem::directory_iterator(shippedBase())) {
    std::filesystem::copy_file(file.path(), folder.path() / "Base" / file.path().filename());
  }
  std::vector<std::string> lines = plainLines("Words.Dat");
  for (const auto& conversation : conversations) {
    Dialogue dialogue;
    testing::ScriptedRandom random;
    for (const auto& step : conversation) {
      SCOPED_TRACE(step.phrase);
      auto reply = searchPhraseBase(dialogue, folder.files(), random, upperCyrillic(cp(step.phrase)));
      ASSERT_TRUE(reply.has_value());
      EXPECT_FALSE(reply->empty());
      EXPECT_EQ(utf8(keyText(lines.at(static_cast<std::size_t>(dialogue.state.threadPosition)))), step.key);
    }
  }
}

}  // namespace
}  // namespace sob
