// Checks that every knowledge-base file of a data folder keeps its grammar:
// each line of Words.Dat after the first is a well-formed phrase line, and
// no reply file holds "^", "_" or ";". Prints one line per file and ends
// with status 1 when any file breaks the grammar. Built and run by
// scripts/soak-selftalk against the engine library of a build folder.
#include <iostream>
#include <string>

#include "engine/cp1251.h"
#include "engine/file_store.h"
#include "engine/knowledge_base.h"
#include "engine/phrase_line.h"

namespace {

// Number of lines breaking the grammar; the first of them is shown.
int checkFile(const sob::FileStore& files, std::string_view name) {
  sob::LineList list(sob::ListKind::Rich);
  files.load(list, name);
  bool phrases = name == sob::kb::kWords;
  int bad = 0;
  for (int i = phrases ? 1 : 0; i < list.count(); ++i) {
    const std::string& line = list.lines()[static_cast<std::size_t>(i)];
    bool sound = phrases ? sob::isWellFormedPhraseLine(line) : line.find_first_of("^_;") == std::string::npos;
    if (!sound && bad++ == 0) std::cout << "  line " << i << " breaks the grammar: " << sob::cp1251::toUtf8(line) << "\n";
  }
  std::cout << sob::cp1251::toUtf8(name) << ": " << list.count() << " lines, " << bad << " breaking the grammar\n";
  return bad;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: check-base DATA_FOLDER\n";
    return 2;
  }
  sob::FileStore files(argv[1]);
  int bad = 0;
  try {
    bad += checkFile(files, sob::kb::kWords);
    for (std::string_view name : sob::kb::kReplyFiles) bad += checkFile(files, name);
  } catch (const sob::FileError& error) {
    std::cout << sob::cp1251::toUtf8(error.what()) << "\n";
    return 1;
  }
  return bad == 0 ? 0 : 1;
}
