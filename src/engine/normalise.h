// The two forms a turn derives from its phrase (Windows-1251 text): the
// current phrase, on which all matching works, and the user line, which is
// shown, logged and learned. Every rule needs at least one character.
#pragma once

#include <string>
#include <string_view>

namespace sob {

// Rule U: the 33 lower-case Cyrillic letters become capitals; nothing else
// changes (Latin letters included).
std::string upperCyrillic(std::string_view text);
// Rule F: only the first character is upper-cased, as rule U does.
std::string upperFirst(std::string_view text);
// Rule P: a final "," becomes "."; a final ".", "!" or "?" stays; anything
// else gets "." appended.
std::string completeUserLine(std::string_view text);
// Rule D: a final ".", "!" or "?" stays; anything else, "," included, gets
// "." appended.
void completeCurrentPhrase(std::string& phrase);

// The user line of a phrase: rule F, then rule P.
inline std::string userLineOf(std::string_view phrase) { return completeUserLine(upperFirst(phrase)); }

}  // namespace sob
