#include "session/base_statistics.h"

#include "support/engine_fixtures.h"

namespace sob {
namespace {

using testing::DataFolder;
using testing::utf8;

struct RecordingLoadingHost : LoadingHost, StatisticsHost {
  std::vector<std::string> calls;
  void setLoadIndicator(const std::string& text) override { calls.push_back("indicator " + utf8(text)); }
  void setStatisticsPanel(const std::string& text) override { calls.push_back("panel " + utf8(text)); }
  void setInputReadOnly(bool readOnly) override { calls.push_back(readOnly ? "read-only" : "editable"); }
  void setSayEnabled(bool enabled) override { calls.push_back(enabled ? "say on" : "say off"); }
  void appendToCountCaptions(const std::string& a, const std::string& b, const std::string& c) override {
    calls.push_back(a + b + c);
  }
};

class Statistics : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.writeStandardBase({"Первая строка; не в счёт", "ПРИВЕТ^Привет!;", "_ДА^Хорошо.;Ладно.;", " _ПРОБЕЛ^x;"});
    folder.write("W1.Dat", {"a;b", "c", "d"});
  }
  DataFolder folder;
  FileStore files = folder.files();
  Dialogue dialogue;
  RecordingLoadingHost host;
};

TEST_F(Statistics, LoadingCountsMainPhrasesAndBranchesByTheirFirstCharacter) {
  loadKnowledgeBase(dialogue, files, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{
                            "indicator Идёт загрузка подождите...", "read-only", "say off",
                            "panel Программе известно:   [главные фразы - 2   ветки - 1]", "editable", "say on",
                            "indicator Загрузка окончена"}));
  EXPECT_EQ(dialogue.scratch.count(), 4);
}

TEST_F(Statistics, CountsIncomingAndOutgoingExpressions) {
  showBaseStatistics(dialogue, files, host);
  // Words.Dat: 3 lines after the first, 4 ";" after the first line.
  // Reply files: 1 + 1 + 1 + 3 + 2 + 1 lines.
  EXPECT_EQ(host.calls, std::vector<std::string>{" [3] [13] [16]"});
}

TEST_F(Statistics, AMissingFileStopsTheLoadingAtItsStep) {
  std::filesystem::remove(folder.path() / "Base" / "Words.Dat");
  EXPECT_THROW(loadKnowledgeBase(dialogue, files, host), FileError);
  EXPECT_EQ(host.calls.size(), 3u);
  std::filesystem::remove(folder.path() / "Base" / "X.Dat");
  folder.write("Words.Dat", {"Слова"});
  EXPECT_THROW(showBaseStatistics(dialogue, files, host), FileError);
}

TEST_F(Statistics, AnEmptyLineCountsAsNeither) {
  LineList words(ListKind::Rich, {"", "A^b;", "", "_C^d;"});
  PhraseCounts counts = countPhrases(words);
  EXPECT_EQ(counts.mainPhrases, 1);
  EXPECT_EQ(counts.branches, 1);
}

}  // namespace
}  // namespace sob
