#include "layout_conversion.h"

#include <array>
#include <utility>

#include "engine/cp1251.h"

namespace sob {
namespace {

// The rules in the order they are tried; no target is the source of a later
// rule, so each character changes at most once.
constexpr std::pair<char, const char*> kRules[] = {
    {'`', "ё"}, {'~', "Ё"}, {'q', "й"}, {'Q', "Й"}, {'w', "ц"}, {'W', "Ц"}, {'e', "у"}, {'E', "У"},
    {'r', "к"}, {'R', "К"}, {'t', "е"}, {'T', "Е"}, {'y', "н"}, {'Y', "Н"}, {'u', "г"}, {'U', "Г"},
    {'i', "ш"}, {'I', "Ш"}, {'o', "щ"}, {'O', "Щ"}, {'p', "з"}, {'P', "З"}, {'[', "х"}, {'{', "Х"},
    {']', "ъ"}, {'}', "Ъ"}, {'a', "ф"}, {'A', "Ф"}, {'s', "ы"}, {'S', "Ы"}, {'d', "в"}, {'D', "В"},
    {'f', "а"}, {'F', "А"}, {'g', "п"}, {'G', "П"}, {'h', "р"}, {'H', "Р"}, {'j', "о"}, {'J', "О"},
    {'k', "л"}, {'K', "Л"}, {'l', "д"}, {'L', "Д"}, {';', "ж"}, {':', "Ж"}, {'"', "Э"}, {'z', "я"},
    {'Z', "Я"}, {'x', "ч"}, {'X', "Ч"}, {'c', "с"}, {'C', "С"}, {'v', "м"}, {'V', "М"}, {'b', "и"},
    {'B', "И"}, {'n', "т"}, {'N', "Т"}, {'m', "ь"}, {'M', "Ь"}, {'<', "б"}, {'>', "ю"}, {'/', "."},
    {'@', "\""}, {'#', "№"}, {'$', ";"}, {'^', ":"}, {'&', "?"}, {'|', "/"},
};
static_assert(std::size(kRules) == 70);

// The rules as a lookup of each byte, built once.
std::array<char, 256> makeTable() {
  std::array<char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) table[byte] = static_cast<char>(byte);
  for (auto it = std::rbegin(kRules); it != std::rend(kRules); ++it) {
    table[static_cast<unsigned char>(it->first)] = cp1251::fromUtf8(it->second)->front();
  }
  return table;
}

}  // namespace

std::string convertLayout(std::string_view text) {
  static const std::array<char, 256> table = makeTable();
  std::string result(text);
  for (char& c : result) c = table[static_cast<unsigned char>(c)];
  return result;
}

}  // namespace sob
