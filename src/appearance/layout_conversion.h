// Repairs text typed in the Latin keyboard layout though Russian was meant:
// each character a key gives in the Latin layout becomes the character the
// same key gives in the Russian one. Latin to Cyrillic only.
#pragma once

#include <string>

namespace sob {

// Windows-1251 in, Windows-1251 out, of the same length. Characters no rule
// knows (Cyrillic, digits, blank, apostrophe, comma, full stop, question
// mark, backslash …) stay as they are.
std::string convertLayout(std::string text);

}  // namespace sob
