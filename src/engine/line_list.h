// An ordered list of Windows-1251 text lines, numbered from 0: the one data
// structure every knowledge-base file, the session log and the keyword lists
// are handled through.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sob {

// How a list is stored in a file.
enum class ListKind {
  Rich,   // saved as an RTF document, one paragraph per line; loads RTF or plain text
  Plain,  // loaded and saved as plain Windows-1251 text with CR LF line ends
};

class LineList {
 public:
  static constexpr std::size_t kMaxLineLength = 4096;

  explicit LineList(ListKind kind) : kind_(kind) {}
  LineList(ListKind kind, std::vector<std::string> lines);

  ListKind kind() const { return kind_; }
  int count() const { return static_cast<int>(lines_.size()); }
  // Line i, at most kMaxLineLength characters; an index outside the list gives "".
  std::string line(int i) const;
  const std::vector<std::string>& lines() const { return lines_; }

  // Adds one line per part of the text between line breaks (CR LF, CR or LF),
  // and an empty line after the last part when the text ends with a break.
  void add(std::string_view text);
  // Deletes line i; an index outside the list (such as -1) changes nothing.
  void remove(int i);
  void clear();

  // Every line followed by CR LF; a plain list just loaded from a file whose
  // last line had no line break gives that last line without one.
  std::string wholeText() const;

  // Replaces the lines by those of a file's bytes (RTF or plain text for a
  // rich list, plain text for a plain list). Never fails: any bytes give lines.
  void setFileBytes(std::string_view bytes);
  // The file form of the list.
  std::string fileBytes() const;

 private:
  ListKind kind_;
  std::vector<std::string> lines_;
  bool lastLineOpen_ = false;  // plain list loaded from text without a final line break
};

// Splits plain text into lines at CR LF, CR or LF; a final line break ends the
// last line and adds none.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace sob
