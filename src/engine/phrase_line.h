// One line of the phrase base Words.Dat: a prefix of "_" (none for a main
// phrase, n for a branch of level n), a key, "^", then replies each ended
// by ";". Line 0 of the file is set aside and never read as a phrase.
#pragma once

#include <optional>
#include <string_view>

namespace sob {

// Number of "_" at the start of the line.
int branchLevel(std::string_view line);

// Everything before the first "^" that follows at least one character after
// `from` (the prefix the caller counts as part of the line's head): the key
// together with any prefix before `from`. Nothing when there is no such "^"
// or when it is the line's last character (an unanswered phrase).
std::optional<std::string_view> answeredKey(std::string_view line, std::size_t from);

// Everything before the first "^" of the line (prefix included), or the whole
// line when it has none: what learning compares phrases with.
std::string_view keyText(std::string_view line);

// Number of ";" in the whole line: the replies a found line offers.
int replyCount(std::string_view line);

// Reply m (1-based) of a line whose key ends at `caret`: the text after its
// separator (the "^" for the first reply, the (m-1)-th ";" for the others)
// up to the next ";".
std::string_view replyAt(std::string_view line, std::size_t caret, int m);

// True when the line keeps the grammar of the phrase base.
bool isWellFormedPhraseLine(std::string_view line);

}  // namespace sob
