// Prints the lines of a file as the program reads them (plain text or RTF),
// in UTF-8: lets the end-to-end tests look into the files the program wrote.
#include <filesystem>
#include <iostream>

#include "engine/cp1251.h"
#include "engine/file_store.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: read_lines FILE\n";
    return 2;
  }
  sob::FileStore files(std::filesystem::current_path());
  sob::LineList lines(sob::ListKind::Rich);
  try {
    files.load(lines, argv[1]);
  } catch (const sob::FileError& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  for (const auto& line : lines.lines()) std::cout << sob::cp1251::toUtf8(line) << "\n";
}
