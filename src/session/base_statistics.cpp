#include "base_statistics.h"

#include <algorithm>

#include "engine/cp1251.h"
#include "engine/knowledge_base.h"

namespace sob {
namespace {

std::string bracketed(int n) { return " [" + std::to_string(n) + "]"; }

}  // namespace

PhraseCounts countPhrases(const LineList& words) {
  PhraseCounts counts;
  for (int i = 1; i < words.count(); ++i) {
    const std::string& line = words.lines()[i];
    if (line.empty()) continue;
    if (line.front() == '_') ++counts.branches;
    else ++counts.mainPhrases;
  }
  return counts;
}

void loadKnowledgeBase(Dialogue& dialogue, const FileStore& files, LoadingHost& host) {
  host.setLoadIndicator(*cp1251::fromUtf8("Идёт загрузка подождите..."));
  host.setInputReadOnly(true);
  host.setSayEnabled(false);
  files.load(dialogue.scratch, kb::kWords);
  PhraseCounts counts = countPhrases(dialogue.scratch);
  host.setStatisticsPanel(*cp1251::fromUtf8("Программе известно:   [главные фразы - ") +
                          std::to_string(counts.mainPhrases) + *cp1251::fromUtf8("   ветки - ") +
                          std::to_string(counts.branches) + "]");
  host.setInputReadOnly(false);
  host.setSayEnabled(true);
  host.setLoadIndicator(*cp1251::fromUtf8("Загрузка окончена"));
}

BaseStatistics computeBaseStatistics(Dialogue& dialogue, const FileStore& files) {
  BaseStatistics statistics;
  files.load(dialogue.scratch, kb::kWords);
  statistics.incoming = dialogue.scratch.count() - 1;
  for (std::string_view file : kb::kReplyFiles) {
    files.load(dialogue.scratch, file);
    statistics.outgoing += dialogue.scratch.count();
  }
  files.load(dialogue.scratch, kb::kWords);
  for (int i = 1; i < dialogue.scratch.count(); ++i) {
    const std::string& line = dialogue.scratch.lines()[i];
    statistics.outgoing += static_cast<int>(std::count(line.begin(), line.end(), ';'));
  }
  return statistics;
}

void showBaseStatistics(Dialogue& dialogue, const FileStore& files, StatisticsHost& host) {
  BaseStatistics statistics = computeBaseStatistics(dialogue, files);
  host.appendToCountCaptions(bracketed(statistics.incoming), bracketed(statistics.outgoing),
                             bracketed(statistics.total()));
}

}  // namespace sob
