// The terminal front end: reads phrases from a stream, one per line, runs a
// reply turn for each, prints the session lines each turn adds, and appends
// the session's entry to the log file at a farewell or at the end of input.
#pragma once

#include <functional>
#include <iosfwd>

#include "engine/file_store.h"
#include "engine/random.h"
#include "engine/session_log.h"

namespace sob {

struct ConsoleEnvironment {
  const FileStore& files;
  Random& random;
  std::function<DateTime()> now = localDateTime;
};

// Returns the exit status: 0, or 1 when a file operation failed.
int runConsole(std::istream& in, std::ostream& out, std::ostream& err, ConsoleEnvironment environment);

// The text of --help, in Russian.
const char* consoleHelp();

}  // namespace sob
