#include "typed_phrase.h"

#include "cp1251.h"

namespace sob {

TypedPhrase checkTypedPhrase(std::string_view utf8) {
  auto text = cp1251::fromUtf8(utf8);
  if (!text) return {{}, TypedPhraseProblem::NotWindows1251};
  if (text->find_first_of("^_;") != std::string::npos) return {{}, TypedPhraseProblem::ReservedCharacter};
  if (text->size() > kMaxInputLength) return {{}, TypedPhraseProblem::TooLong};
  return {std::move(*text), TypedPhraseProblem::None};
}

std::string describe(TypedPhraseProblem problem) {
  switch (problem) {
    case TypedPhraseProblem::NotWindows1251:
      return "Фраза не принята: в ней есть символ, которого нет в кодировке Windows-1251 "
             "(например, эмодзи или буква другого алфавита).";
    case TypedPhraseProblem::ReservedCharacter:
      return "Фраза не принята: символы «^», «_» и «;» служебные и во фразе недопустимы.";
    case TypedPhraseProblem::TooLong:
      return "Фраза не принята: она длиннее 255 символов.";
    case TypedPhraseProblem::None:
      break;
  }
  return {};
}

}  // namespace sob
