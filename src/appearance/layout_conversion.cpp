#include "layout_conversion.h"

#include <array>
#include <cassert>

#include "engine/cp1251.h"

namespace sob {
namespace {

struct Rule {
  char source;
  char32_t target;
};

// The keys of the Latin layout and what the same keys give in the Russian
// one, in the order the rules are tried. The shifted "," "." "<" ">" give
// small б and ю, and a few signs have no rule: "'", ",", ".", "?", "\".
constexpr Rule kRules[] = {
    {'`', U'ё'}, {'~', U'Ё'}, {'q', U'й'}, {'Q', U'Й'}, {'w', U'ц'},  {'W', U'Ц'}, {'e', U'у'}, {'E', U'У'},
    {'r', U'к'}, {'R', U'К'}, {'t', U'е'}, {'T', U'Е'}, {'y', U'н'},  {'Y', U'Н'}, {'u', U'г'}, {'U', U'Г'},
    {'i', U'ш'}, {'I', U'Ш'}, {'o', U'щ'}, {'O', U'Щ'}, {'p', U'з'},  {'P', U'З'}, {'[', U'х'}, {'{', U'Х'},
    {']', U'ъ'}, {'}', U'Ъ'}, {'a', U'ф'}, {'A', U'Ф'}, {'s', U'ы'},  {'S', U'Ы'}, {'d', U'в'}, {'D', U'В'},
    {'f', U'а'}, {'F', U'А'}, {'g', U'п'}, {'G', U'П'}, {'h', U'р'},  {'H', U'Р'}, {'j', U'о'}, {'J', U'О'},
    {'k', U'л'}, {'K', U'Л'}, {'l', U'д'}, {'L', U'Д'}, {';', U'ж'},  {':', U'Ж'}, {'"', U'Э'}, {'z', U'я'},
    {'Z', U'Я'}, {'x', U'ч'}, {'X', U'Ч'}, {'c', U'с'}, {'C', U'С'},  {'v', U'м'}, {'V', U'М'}, {'b', U'и'},
    {'B', U'И'}, {'n', U'т'}, {'N', U'Т'}, {'m', U'ь'}, {'M', U'Ь'},  {'<', U'б'}, {'>', U'ю'}, {'/', U'.'},
    {'@', U'"'}, {'#', U'№'}, {'$', U';'}, {'^', U':'}, {'&', U'?'},  {'|', U'/'},
};
static_assert(std::size(kRules) == 70);

struct ByteRule {
  char source, target;
};

std::array<ByteRule, std::size(kRules)> inWindows1251() {
  std::array<ByteRule, std::size(kRules)> rules{};
  for (std::size_t i = 0; i < rules.size(); ++i) {
    std::optional<char> target = cp1251::fromCodePoint(kRules[i].target);
    assert(target);
    rules[i] = {kRules[i].source, *target};
  }
  return rules;
}

}  // namespace

// Every rule is tried on every character, and a later rule sees what an
// earlier one made of it. No target is the source of a later rule, so in
// effect each character changes at most once: "@" gives '"', not "Э".
std::string convertLayout(std::string text) {
  static const auto rules = inWindows1251();
  for (char& c : text) {
    for (const ByteRule& rule : rules) {
      if (c == rule.source) c = rule.target;
    }
  }
  return text;
}

}  // namespace sob
