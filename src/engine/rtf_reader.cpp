#include "rtf_reader.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <map>
#include <unordered_map>

#include "cp1251.h"

namespace sob::rtf {
namespace {

constexpr int kCp1251 = 1251;
constexpr int kNoCodePage = -1;  // the Symbol font: its bytes are not text of any code page

// Converts bytes of a code page other than 1251 to Unicode, through iconv.
class CodePageDecoder {
 public:
  ~CodePageDecoder() {
    for (auto& [page, cd] : converters_) {
      if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
  }

  template <typename Out>
  void decode(int codePage, std::string_view bytes, Out&& out) {
    iconv_t cd = converter(codePage);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
      for (std::size_t i = 0; i < bytes.size(); ++i) out(U'?');
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
      std::size_t produced = (sizeof buffer - outLeft) / sizeof(char32_t);
      for (std::size_t i = 0; i < produced; ++i) out(buffer[i]);
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out(U'?');  // a byte the code page does not define, or a cut-off sequence
        ++in;
        --inLeft;
      }
    }
  }

 private:
  iconv_t converter(int codePage) {
    auto it = converters_.find(codePage);
    if (it != converters_.end()) return it->second;
    std::string name = codePage == 10000 ? "MACINTOSH" : "CP" + std::to_string(codePage);
    iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    converters_.emplace(codePage, cd);
    return cd;
  }

  std::map<int, iconv_t> converters_;
};

int codePageOfCharset(int charset, int documentCodePage) {
  static const std::unordered_map<int, int> pages = {
      {0, 1252},   {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253},
      {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},
      {238, 1250},
  };
  if (charset == 2) return kNoCodePage;
  auto it = pages.find(charset);
  return it == pages.end() ? documentCodePage : it->second;
}

struct FontInfo {
  int charset = -1;
  int codePage = 0;
};

enum class Destination { Text, Skipped, FontTable };

struct GroupState {
  int font = -1;  // -1: the default font
  int unicodeSkip = 1;
  Destination destination = Destination::Text;
};

// Groups whose text is not the document's text.
bool isSkippedDestination(std::string_view word) {
  static const std::unordered_map<std::string_view, bool> words = {
      {"colortbl", true},  {"stylesheet", true}, {"info", true},      {"pict", true},     {"object", true},
      {"shp", true},       {"nonshppict", true}, {"pntext", true},    {"listtext", true}, {"header", true},
      {"headerl", true},   {"headerr", true},    {"headerf", true},   {"footer", true},   {"footerl", true},
      {"footerr", true},   {"footerf", true},    {"footnote", true},  {"annotation", true}, {"xe", true},
      {"tc", true},        {"filetbl", true},    {"revtbl", true},    {"mmathPr", true},  {"fldinst", true},
      {"listtable", true}, {"listoverridetable", true}, {"rsidtbl", true}, {"generator", true},
      {"themedata", true}, {"colorschememapping", true}, {"datastore", true}, {"latentstyles", true},
      {"xmlnstbl", true},  {"pgdsctbl", true},   {"userprops", true}, {"upr", true},
  };
  return words.count(word) > 0;
}

char32_t specialCharacter(std::string_view word) {
  static const std::unordered_map<std::string_view, char32_t> characters = {
      {"tab", U'\t'},       {"emdash", U'\u2014'},    {"endash", U'\u2013'},    {"bullet", U'\u2022'},
      {"lquote", U'\u2018'}, {"rquote", U'\u2019'},   {"ldblquote", U'\u201C'}, {"rdblquote", U'\u201D'},
      {"emspace", U'\u2003'}, {"enspace", U'\u2002'},
  };
  auto it = characters.find(word);
  return it == characters.end() ? 0 : it->second;
}

bool endsLine(std::string_view word) {
  return word == "par" || word == "line" || word == "sect" || word == "page" || word == "cell";
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One pass over the document, never stepping back and never recursing, so
// that broken or hostile input costs time and memory in proportion to its
// size. Sink receives Windows-1251 bytes of code page 1251 runs, other
// characters as code points, and the ends of lines.
template <typename Sink>
class Reader {
 public:
  Reader(std::string_view bytes, Sink& sink) : in_(bytes), sink_(sink) {}

  void read() {
    std::size_t start = in_.find_first_not_of(" \t\r\n");
    pos_ = start == std::string_view::npos ? in_.size() : start;
    stack_.push_back({});
    while (pos_ < in_.size() && !finished_) step();
    flushBytes();
    if (!lineEmpty_) endLine();
  }

 private:
  GroupState& state() { return stack_.back(); }

  void step() {
    char c = in_[pos_++];
    switch (c) {
      case '{':
        flushBytes();
        skipFallback_ = 0;
        stack_.push_back(state());
        ++depth_;
        break;
      case '}':
        flushBytes();
        skipFallback_ = 0;
        if (stack_.size() > 1) stack_.pop_back();
        if (--depth_ <= 0) finished_ = true;  // the document ends with its first group
        break;
      case '\\':
        control();
        break;
      case '\r':
      case '\n':
      case '\0':
        break;
      case '\t':
        character(U'\t');
        break;
      default:
        byte(static_cast<unsigned char>(c));
    }
  }

  void control() {
    if (pos_ >= in_.size()) return;
    char c = in_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c))) return controlWord();
    ++pos_;
    switch (c) {
      case '\'': {
        int high = pos_ < in_.size() ? hexValue(in_[pos_]) : -1;
        int low = pos_ + 1 < in_.size() ? hexValue(in_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) return;
        pos_ += 2;
        byte(static_cast<unsigned char>(high * 16 + low));
        return;
      }
      case '\\':
      case '{':
      case '}':
        byte(static_cast<unsigned char>(c));
        return;
      case '*':
        state().destination = Destination::Skipped;
        return;
      case '~':
        return character(U'\u00A0');
      case '_':
        return character(U'\u2011');
      case '\r':
      case '\n':
        return paragraph();
      default:
        return;  // \- and unknown symbols
    }
  }

  void controlWord() {
    std::size_t begin = pos_;
    while (pos_ < in_.size() && pos_ - begin < 32 && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
    std::string_view word = in_.substr(begin, pos_ - begin);
    bool negative = pos_ < in_.size() && in_[pos_] == '-';
    if (negative) ++pos_;
    bool hasParameter = false;
    long long parameter = 0;
    while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
      if (parameter < 100000000000LL) parameter = parameter * 10 + (in_[pos_] - '0');
      hasParameter = true;
      ++pos_;
    }
    if (negative) parameter = -parameter;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    apply(word, hasParameter, parameter);
  }

  void apply(std::string_view word, bool hasParameter, long long parameter) {
    if (word == "bin") {
      flushBytes();
      std::size_t count = parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
      pos_ += std::min(count, in_.size() - pos_);
      return;
    }
    if (word == "u" && hasParameter) return unicode(parameter);
    if (word == "uc") {
      state().unicodeSkip = static_cast<int>(std::clamp(parameter, 0LL, 16LL));
      return;
    }
    if (endsLine(word)) return paragraph();
    if (char32_t special = specialCharacter(word)) return character(special);
    if (word == "fonttbl") {
      state().destination = Destination::FontTable;
      return;
    }
    if (isSkippedDestination(word)) {
      state().destination = Destination::Skipped;
      return;
    }
    int value = static_cast<int>(std::clamp(parameter, -1000000LL, 1000000LL));
    if (word == "f") return font(value);
    cachedFont_ = kNoFont;  // what follows may change a font's code page
    if (word == "fcharset") {
      fonts_[definingFont_].charset = value;
      return;
    }
    if (word == "cpg") {
      fonts_[definingFont_].codePage = value;
      return;
    }
    if (word == "ansicpg" && value > 0) documentCodePage_ = value;
    else if (word == "deff") defaultFont_ = value;
    else if (word == "plain") {
      flushBytes();
      state().font = -1;
    }
  }

  void font(int number) {
    if (state().destination == Destination::FontTable) {
      definingFont_ = number;
      return;
    }
    flushBytes();
    state().font = number;
  }

  // The code page of the current font, remembered for the run of bytes that
  // usually follows: looking it up for every byte would dominate the reading.
  int codePage() {
    int number = state().font < 0 ? defaultFont_ : state().font;
    if (number != cachedFont_) {
      cachedFont_ = number;
      cachedPage_ = lookUpCodePage(number);
    }
    return cachedPage_;
  }

  int lookUpCodePage(int number) {
    auto it = fonts_.find(number);
    if (it != fonts_.end()) {
      if (it->second.codePage > 0) return it->second.codePage;
      if (it->second.charset >= 0 && it->second.charset != 1) return codePageOfCharset(it->second.charset, documentCodePage_);
    }
    return documentCodePage_;
  }

  bool inText() { return state().destination == Destination::Text; }

  void byte(unsigned char value) {
    if (!inText()) return;
    if (skipFallback_ > 0) {
      --skipFallback_;
      return;
    }
    int page = codePage();
    if (page != pendingPage_) flushBytes();
    pendingPage_ = page;
    pending_ += static_cast<char>(value);
  }

  void unicode(long long parameter) {
    if (!inText()) return;
    flushBytes();
    char32_t unit = static_cast<char32_t>(parameter < 0 ? parameter + 65536 : parameter) & 0xFFFF;
    skipFallback_ = state().unicodeSkip;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
      return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_) {
      emit(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
    } else {
      emit(unit);
    }
    highSurrogate_ = 0;
  }

  void character(char32_t value) {
    if (!inText()) return;
    flushBytes();
    skipFallback_ = 0;
    emit(value);
  }

  void paragraph() {
    if (!inText()) return;
    flushBytes();
    skipFallback_ = 0;
    endLine();
  }

  void emit(char32_t value) {
    lineEmpty_ = false;
    sink_.codePoint(value);
  }

  void endLine() {
    sink_.endLine();
    lineEmpty_ = true;
  }

  void flushBytes() {
    if (pending_.empty()) return;
    lineEmpty_ = false;
    if (pendingPage_ == kCp1251) sink_.cp1251Bytes(pending_);
    else if (pendingPage_ == kNoCodePage) for (unsigned char b : pending_) sink_.codePoint(0xF000 + b);
    else decoder_.decode(pendingPage_, pending_, [&](char32_t cp) { sink_.codePoint(cp); });
    pending_.clear();
  }

  std::string_view in_;
  Sink& sink_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  bool finished_ = false;
  std::vector<GroupState> stack_;
  std::map<int, FontInfo> fonts_;
  int definingFont_ = 0;
  int defaultFont_ = 0;
  int documentCodePage_ = kCp1251;
  static constexpr int kNoFont = -1000000000;
  int cachedFont_ = kNoFont;
  int cachedPage_ = kCp1251;
  int skipFallback_ = 0;
  char32_t highSurrogate_ = 0;
  std::string pending_;
  int pendingPage_ = kCp1251;
  bool lineEmpty_ = true;
  CodePageDecoder decoder_;
};

struct Cp1251Sink {
  std::vector<std::string> lines{std::string()};
  void cp1251Bytes(std::string_view bytes) { lines.back() += bytes; }
  void codePoint(char32_t cp) { lines.back() += cp1251::fromCodePoint(cp).value_or('?'); }
  void endLine() { lines.emplace_back(); }
};

struct Utf8Sink {
  std::vector<std::string> lines{std::string()};
  void cp1251Bytes(std::string_view bytes) {
    for (unsigned char b : bytes) cp1251::appendUtf8(lines.back(), cp1251::toCodePoint(b));
  }
  void codePoint(char32_t cp) { cp1251::appendUtf8(lines.back(), cp); }
  void endLine() { lines.emplace_back(); }
};

template <typename Sink>
std::vector<std::string> readLines(std::string_view bytes) {
  Sink sink;
  Reader<Sink>(bytes, sink).read();
  sink.lines.pop_back();  // the line begun after the last end of line
  return std::move(sink.lines);
}

}  // namespace

bool looksLikeRtf(std::string_view bytes) {
  std::size_t start = bytes.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

std::vector<std::string> readUtf8Lines(std::string_view bytes) { return readLines<Utf8Sink>(bytes); }

std::vector<std::string> readCp1251Lines(std::string_view bytes) { return readLines<Cp1251Sink>(bytes); }

}  // namespace sob::rtf
