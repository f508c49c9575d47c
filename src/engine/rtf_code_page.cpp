#include "rtf_code_page.h"

#include <iconv.h>

#include <cerrno>

namespace sob::rtf {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

std::string iconvName(int codePage) {
  if (codePage == 10000) return "MACINTOSH";
  if (codePage == 65001) return "UTF-8";
  return "CP" + std::to_string(codePage);
}

}  // namespace

int codePageOfCharset(int charset) {
  switch (charset) {
    case 0: return 1252;
    case 2: return kSymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return kCodePage1251;
    case 222: return 874;
    case 238: return 1250;
    default: return kDocumentCodePage;
  }
}

CodePageDecoder::~CodePageDecoder() {
  for (auto& [page, cd] : converters_) {
    if (cd != kNoConverter) iconv_close(static_cast<iconv_t>(cd));
  }
}

void* CodePageDecoder::converter(int codePage) {
  auto it = converters_.find(codePage);
  if (it != converters_.end()) return it->second;
  iconv_t cd = codePage > 0 ? iconv_open("UTF-32LE", iconvName(codePage).c_str()) : kNoConverter;
  converters_.emplace(codePage, cd);
  return cd;
}

void CodePageDecoder::decode(int codePage, std::string_view bytes, std::u32string& out) {
  auto cd = static_cast<iconv_t>(converter(codePage));
  if (cd == kNoConverter) {
    for (unsigned char b : bytes) out += b < 0x80 ? char32_t{b} : kReplacement;
    return;
  }
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char32_t buffer[256];
    char* outPtr = reinterpret_cast<char*>(buffer);
    std::size_t outLeft = sizeof buffer;
    std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, (sizeof buffer - outLeft) / sizeof(char32_t));
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += kReplacement;  // an undefined byte, or a sequence cut off at the end of the run
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
}

}  // namespace sob::rtf
