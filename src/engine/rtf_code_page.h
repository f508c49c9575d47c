// Code pages of RTF text: which code page a font's character set names, and
// the decoding of bytes in code pages other than Windows-1251.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace sob::rtf {

constexpr int kCodePage1251 = 1251;
// The Symbol font's character set: its bytes are glyph numbers, not text of
// any code page.
constexpr int kSymbolCodePage = -1;
// A character set that leaves the choice to the document's \ansicpg.
constexpr int kDocumentCodePage = 0;

// The code page of an \fcharsetN value: kSymbolCodePage, a Windows code
// page, or kDocumentCodePage for DEFAULT and for values it does not know.
int codePageOfCharset(int charset);

// Decodes byte runs of any code page iconv knows, keeping one converter per
// code page for the life of the decoder.
class CodePageDecoder {
 public:
  CodePageDecoder() = default;
  CodePageDecoder(const CodePageDecoder&) = delete;
  CodePageDecoder& operator=(const CodePageDecoder&) = delete;
  ~CodePageDecoder();

  // Appends the characters of bytes to out; a byte the code page does not
  // define, or an unknown code page, gives U+FFFD per byte.
  void decode(int codePage, std::string_view bytes, std::u32string& out);

 private:
  void* converter(int codePage);

  std::map<int, void*> converters_;
};

}  // namespace sob::rtf
