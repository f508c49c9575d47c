#include "rtf_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sob::rtf {
namespace {

constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 MS Sans Serif;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs16 ";
constexpr std::string_view kParagraphEnd = "\\par\r\n";
constexpr std::string_view kFooter = "}\r\n";

// How each byte of a line is written: at most five characters.
struct Escape {
  char text[5];
  std::uint8_t size;
};

std::array<Escape, 256> makeEscapes() {
  static const char* hex = "0123456789abcdef";
  std::array<Escape, 256> escapes{};
  for (int byte = 0; byte < 256; ++byte) {
    char c = static_cast<char>(byte);
    std::string buffer;
    if (c == '\\' || c == '{' || c == '}') buffer = {'\\', c};
    else if (c == '\t') buffer = "\\tab ";
    else if (byte < 0x20 || byte > 0x7E) buffer = {'\\', '\'', hex[byte >> 4], hex[byte & 15]};
    else buffer = {c};
    buffer.copy(escapes[byte].text, buffer.size());
    escapes[byte].size = static_cast<std::uint8_t>(buffer.size());
  }
  return escapes;
}

}  // namespace

std::string writeCp1251Document(const std::vector<std::string>& lines) {
  static const std::array<Escape, 256> escapes = makeEscapes();
  std::size_t size = kHeader.size() + kFooter.size();
  for (const std::string& line : lines) {
    for (unsigned char byte : line) size += escapes[byte].size;
    size += kParagraphEnd.size();
  }
  std::string document(size, '\0');
  char* out = document.data();
  auto put = [&out](std::string_view text) { out = std::copy(text.begin(), text.end(), out); };
  put(kHeader);
  for (const std::string& line : lines) {
    for (unsigned char byte : line) {
      const Escape& escape = escapes[byte];
      out = std::copy(escape.text, escape.text + escape.size, out);
    }
    put(kParagraphEnd);
  }
  put(kFooter);
  return document;
}

}  // namespace sob::rtf
