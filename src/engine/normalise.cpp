#include "normalise.h"

namespace sob {
namespace {

constexpr unsigned char kSmallYo = 0xB8, kCapitalYo = 0xA8;

char upper(char c) {
  auto byte = static_cast<unsigned char>(c);
  if (byte >= 0xE0) return static_cast<char>(byte - 0x20);
  if (byte == kSmallYo) return static_cast<char>(kCapitalYo);
  return c;
}

bool endsSentence(char c) { return c == '.' || c == '!' || c == '?'; }

}  // namespace

std::string upperCyrillic(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = upper(c);
  return result;
}

std::string upperFirst(std::string_view text) {
  std::string result(text);
  if (!result.empty()) result.front() = upper(result.front());
  return result;
}

std::string completeUserLine(std::string_view text) {
  std::string result(text);
  if (result.empty()) return result;
  if (result.back() == ',') result.back() = '.';
  else if (!endsSentence(result.back())) result += '.';
  return result;
}

void completeCurrentPhrase(std::string& phrase) {
  if (phrase.empty() || !endsSentence(phrase.back())) phrase += '.';
}

}  // namespace sob
