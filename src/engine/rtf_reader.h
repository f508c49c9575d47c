// Reads the paragraphs of a Rich Text Format document as lines.
// Handles what this program writes and what word processors and the
// Windows rich edit control write; never crashes or hangs on broken input.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sob::rtf {

// True when the bytes hold an RTF document (they begin with "{\rtf",
// blanks and line breaks before it allowed).
bool looksLikeRtf(std::string_view bytes);

// The document's paragraphs as lines of UTF-8 text.
std::vector<std::string> readUtf8Lines(std::string_view bytes);

// The document's paragraphs as lines of Windows-1251 text; a character that
// Windows-1251 cannot hold becomes "?".
std::vector<std::string> readCp1251Lines(std::string_view bytes);

}  // namespace sob::rtf
