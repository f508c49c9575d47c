#include "cp1251.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <unordered_map>

namespace sob::cp1251 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One iconv conversion of a whole buffer; nothing when iconv refuses a byte.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between Windows-1251 and UTF-8");
  std::string out(in.size() * 4 + 4, '\0');
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

struct Tables {
  std::array<char32_t, 256> toUnicode{};
  std::unordered_map<char32_t, char> fromUnicode;

  Tables() {
    for (int byte = 0; byte < 256; ++byte) {
      char c = static_cast<char>(byte);
      auto utf32 = convert("UTF-32LE", "CP1251", std::string_view(&c, 1));
      char32_t cp = kReplacement;
      if (utf32 && utf32->size() == 4) {
        const auto* b = reinterpret_cast<const unsigned char*>(utf32->data());
        cp = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<char32_t>(b[3]) << 24);
        fromUnicode.emplace(cp, c);
      }
      toUnicode[byte] = cp;
    }
  }
};

const Tables& tables() {
  static const Tables instance;
  return instance;
}

}  // namespace

std::optional<std::string> fromUtf8(std::string_view utf8) {
  return convert("CP1251", "UTF-8", utf8);
}

std::string toUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char byte : text) appendUtf8(out, toCodePoint(byte));
  return out;
}

std::optional<char> fromCodePoint(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<char>(codePoint);
  const auto& map = tables().fromUnicode;
  auto it = map.find(codePoint);
  if (it == map.end()) return std::nullopt;
  return it->second;
}

char32_t toCodePoint(unsigned char byte) {
  if (byte < 0x80) return byte;
  return tables().toUnicode[byte];
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace sob::cp1251
