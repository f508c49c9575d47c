// The counts of the knowledge base shown at start: main phrases and
// branches in the status bar, incoming and outgoing expressions in the menu.
#pragma once

#include <string>

#include "engine/dialogue.h"
#include "engine/file_store.h"

namespace sob {

// What the knowledge-base loading needs of the main window.
class LoadingHost {
 public:
  virtual ~LoadingHost() = default;
  virtual void setLoadIndicator(const std::string& text) = 0;        // status panel 0
  virtual void setStatisticsPanel(const std::string& text) = 0;      // status panel 1
  virtual void setInputReadOnly(bool readOnly) = 0;
  virtual void setSayEnabled(bool enabled) = 0;
};

// What the base statistics write: the three menu captions gain their counts.
class StatisticsHost {
 public:
  virtual ~StatisticsHost() = default;
  virtual void appendToCountCaptions(const std::string& incoming, const std::string& outgoing,
                                     const std::string& total) = 0;
};

struct PhraseCounts {
  int mainPhrases = 0;
  int branches = 0;
};

// Counts lines 1.. of Words.Dat: those starting with "_" are branches, all
// others main phrases (an empty line, outside the format, counts as neither).
PhraseCounts countPhrases(const LineList& words);

// Loads Words.Dat into the scratch list and shows its counts. A FileError
// leaves the indicator at "loading" and the input read-only, as it found them.
void loadKnowledgeBase(Dialogue& dialogue, const FileStore& files, LoadingHost& host);

struct BaseStatistics {
  int incoming = 0;  // lines of Words.Dat after its first
  int outgoing = 0;  // lines of the six reply files plus the ";" of Words.Dat
  int total() const { return incoming + outgoing; }
};

BaseStatistics computeBaseStatistics(Dialogue& dialogue, const FileStore& files);

// Computes the statistics and appends " [n]" to the three captions.
void showBaseStatistics(Dialogue& dialogue, const FileStore& files, StatisticsHost& host);

}  // namespace sob
