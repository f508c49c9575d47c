// Checks a phrase the user typed (UTF-8) before it may start a turn: it must
// be representable in Windows-1251, hold none of the characters that
// structure the knowledge base, and fit the input line.
#pragma once

#include <string>
#include <string_view>

namespace sob {

inline constexpr std::size_t kMaxInputLength = 255;

enum class TypedPhraseProblem { None, NotWindows1251, ReservedCharacter, TooLong };

struct TypedPhrase {
  std::string text;  // Windows-1251; empty unless accepted
  TypedPhraseProblem problem = TypedPhraseProblem::None;
};

TypedPhrase checkTypedPhrase(std::string_view utf8);

// A one-line explanation in Russian (UTF-8) for the user.
std::string describe(TypedPhraseProblem problem);

}  // namespace sob
