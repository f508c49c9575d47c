#include "rtf_writer.h"

#include <array>
#include <cstring>
#include <string_view>

namespace sob::rtf {
namespace {

// The rich edit control's own header, with its default font: MS Sans Serif,
// 8 points, Cyrillic.
constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 MS Sans Serif;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs16 ";
constexpr std::string_view kParagraphEnd = "\\par\r\n";
constexpr std::string_view kFooter = "}\r\n";

// How one byte of a line is written: itself, \\ \{ \}, \tab or \'hh. Eight
// bytes in all, so that writing copies an entry whole and then moves on by
// its size.
struct Escape {
  char text[7];
  unsigned char size;
};
static_assert(sizeof(Escape) == 8);

Escape escapeOf(unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  char c = static_cast<char>(byte);
  std::string_view text;
  char hex[4] = {'\\', '\'', kHex[byte >> 4], kHex[byte & 15]};
  char symbol[2] = {'\\', c};
  if (c == '\\' || c == '{' || c == '}') text = std::string_view(symbol, 2);
  else if (c == '\t') text = "\\tab ";  // the blank ends the word, so a following blank stays text
  else if (byte < 0x20 || byte > 0x7E) text = std::string_view(hex, 4);
  else text = std::string_view(&c, 1);
  Escape escape{};
  text.copy(escape.text, text.size());
  escape.size = static_cast<unsigned char>(text.size());
  return escape;
}

const std::array<Escape, 256>& escapes() {
  static const std::array<Escape, 256> table = [] {
    std::array<Escape, 256> entries{};
    for (int byte = 0; byte < 256; ++byte) entries[byte] = escapeOf(static_cast<unsigned char>(byte));
    return entries;
  }();
  return table;
}

std::size_t documentSize(const std::vector<std::string>& lines) {
  const auto& table = escapes();
  std::size_t size = kHeader.size() + kFooter.size() + lines.size() * kParagraphEnd.size();
  for (const std::string& line : lines) {
    for (unsigned char byte : line) size += table[byte].size;
  }
  return size;
}

}  // namespace

std::string writeCp1251Document(const std::vector<std::string>& lines) {
  const auto& table = escapes();
  std::size_t size = documentSize(lines);
  std::string document(size + sizeof(Escape), '\0');  // room for copying the last entry whole
  char* out = document.data();
  auto put = [&out](std::string_view text) { out = std::copy(text.begin(), text.end(), out); };
  put(kHeader);
  for (const std::string& line : lines) {
    for (unsigned char byte : line) {
      std::memcpy(out, &table[byte], sizeof(Escape));
      out += table[byte].size;
    }
    put(kParagraphEnd);
  }
  put(kFooter);
  document.resize(size);
  return document;
}

}  // namespace sob::rtf
