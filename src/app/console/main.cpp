// sobesednik-console: the conversation in a terminal, in the current folder.
#include <filesystem>
#include <iostream>
#include <string_view>

#include "console_front.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      std::cout << sob::consoleHelp();
      return 0;
    }
    std::cerr << "Неизвестный параметр: " << argv[i] << ". Справка: sobesednik-console --help\n";
    return 2;
  }
  sob::FileStore files(std::filesystem::current_path());
  sob::ClockRandom random;
  return sob::runConsole(std::cin, std::cout, std::cerr, {files, random});
}
