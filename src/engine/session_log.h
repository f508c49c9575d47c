// The session log file "Base\Log.Tambrel": one entry appended per exit
// through the menu, holding every line of the session log buffer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dialogue.h"
#include "file_store.h"

namespace sob {

inline constexpr std::string_view kSessionLogFile = "Base\\Log.Tambrel";

struct DateTime {
  std::string date;  // short date of the user's regional settings
  std::string time;  // long time (hours, minutes, seconds)
};

// The current local date and time as the user's regional settings write them.
DateTime localDateTime();

// The header lines of one log entry, up to and including the count line.
std::vector<std::string> logEntryHeader(int learnedPhrases, const DateTime& when);

// Appends the session's entry to the log file: the previous log is read into
// the scratch list, the phrase base into the learning list for its count, and
// the whole log is saved back. A FileError leaves the log file untouched.
void appendSessionLogEntry(Dialogue& dialogue, const FileStore& files, const DateTime& when);

}  // namespace sob
