// Reads and writes the program's files by the paths the program spells, such
// as "Base\Words.Dat": relative to the working folder, "\" as the separator,
// each name matched without regard to case.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "line_list.h"

namespace sob {

// A failed file operation. what() is the report the user sees, in
// Windows-1251 like every engine text: "Cannot open file <path>" or
// "Cannot create file <path>", the path as the program spells it.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileStore {
 public:
  explicit FileStore(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& root() const { return root_; }

  // The real path of a spelled path: relative to the root unless it starts
  // with "/". An existing file or folder is found whatever the case of its
  // name; a name not found keeps its spelling. A Windows drive path such as
  // "D:\Txt.Dat" names nothing on this system and gives no path.
  std::optional<std::filesystem::path> resolve(std::string_view spelled) const;

  // Loads the file into the list, replacing its lines. Throws FileError
  // "Cannot open file ..." when the file cannot be read.
  void load(LineList& list, std::string_view spelled) const;
  // Replaces the file by the list: written to a temporary file beside it,
  // flushed, then renamed over it, so the old file stays whole until the new
  // one is. Throws FileError "Cannot create file ..." when that fails.
  void save(const LineList& list, std::string_view spelled) const;

  std::string readBytes(std::string_view spelled) const;
  void writeBytes(std::string_view spelled, std::string_view bytes) const;

 private:
  std::filesystem::path root_;
};

}  // namespace sob
