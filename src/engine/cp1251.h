// Windows-1251, the code page of every text the program stores and compares.
// The engine works on Windows-1251 bytes; these functions are the edges where
// text comes in from, or goes out to, UTF-8 and Unicode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sob::cp1251 {

// The Windows-1251 form of UTF-8 text, or nothing when the text is not valid
// UTF-8 or holds a character that Windows-1251 cannot hold.
std::optional<std::string> fromUtf8(std::string_view utf8);

// UTF-8 form of Windows-1251 text. The one byte the code page leaves
// undefined (0x98) becomes U+FFFD, so any bytes at all can be shown.
std::string toUtf8(std::string_view text);

// The Windows-1251 byte of a Unicode code point, or nothing.
std::optional<char> fromCodePoint(char32_t codePoint);

// The Unicode code point of a Windows-1251 byte (U+FFFD for 0x98).
char32_t toCodePoint(unsigned char byte);

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace sob::cp1251
