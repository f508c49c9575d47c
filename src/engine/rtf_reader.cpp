#include "rtf_reader.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "cp1251.h"
#include "rtf_code_page.h"

namespace sob::rtf {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kDefaultFont = -1;  // the font \deffN names
constexpr long long kParameterLimit = 100000000000LL;

// What a control word does to the reading.
enum class Action : unsigned char {
  Bin, Unicode, FallbackLength, EndLine, Character, FontTable, SkipGroup, Font, Charset, FontCodePage,
  DocumentCodePage, DefaultFont, Plain, UnicodeAlternatives, UnicodeText,
};

struct Keyword {
  Action action;
  char32_t character = 0;
};

// Every control word the reader acts on; all others are formatting and are
// ignored with their parameter.
const std::unordered_map<std::string_view, Keyword>& keywords() {
  static const std::unordered_map<std::string_view, Keyword> table = [] {
    std::unordered_map<std::string_view, Keyword> words = {
        {"bin", {Action::Bin}},
        {"u", {Action::Unicode}},
        {"uc", {Action::FallbackLength}},
        {"fonttbl", {Action::FontTable}},
        {"f", {Action::Font}},
        {"fcharset", {Action::Charset}},
        {"cpg", {Action::FontCodePage}},
        {"ansicpg", {Action::DocumentCodePage}},
        {"deff", {Action::DefaultFont}},
        {"plain", {Action::Plain}},
        {"upr", {Action::UnicodeAlternatives}},
        {"ud", {Action::UnicodeText}},
        {"tab", {Action::Character, U'\t'}},
        {"emdash", {Action::Character, U'\u2014'}},
        {"endash", {Action::Character, U'\u2013'}},
        {"bullet", {Action::Character, U'\u2022'}},
        {"lquote", {Action::Character, U'\u2018'}},
        {"rquote", {Action::Character, U'\u2019'}},
        {"ldblquote", {Action::Character, U'\u201C'}},
        {"rdblquote", {Action::Character, U'\u201D'}},
        {"emspace", {Action::Character, U'\u2003'}},
        {"enspace", {Action::Character, U'\u2002'}},
    };
    for (std::string_view word : {"par", "line", "sect", "page", "cell", "nestcell"}) {
      words.emplace(word, Keyword{Action::EndLine});
    }
    // Groups whose text is not the document's text. Groups that begin with
    // \* are skipped whatever their word; these are the ones written without it.
    for (std::string_view word :
         {"colortbl", "stylesheet", "info", "pict", "object", "shp", "nonshppict", "do", "pntext", "listtext", "pn",
          "pntxta", "pntxtb", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
          "footnote", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "annotation", "xe", "tc", "txe", "rxe", "template",
          "nextfile", "filetbl", "revtbl", "listtable", "listoverridetable", "rsidtbl", "generator", "mmathPr",
          "fldinst", "themedata", "colorschememapping", "datastore", "latentstyles", "xmlnstbl", "pgdsctbl",
          "userprops"}) {
      words.emplace(word, Keyword{Action::SkipGroup});
    }
    return words;
  }();
  return table;
}

enum class Destination : unsigned char { Text, Skipped, FontTable };

// What a group inherits from the group around it and loses at its end.
struct GroupState {
  int font = kDefaultFont;
  int fallbackLength = 1;  // \ucN: how many characters stand in for each \uN
  Destination destination = Destination::Text;
  bool unicodeAlternativeOfText = false;  // inside \upr in the text: its \ud part is text
};

struct FontInfo {
  int charset = -1;
  int codePage = 0;
};

// The value of each byte as a hexadecimal digit, or -1.
constexpr std::array<signed char, 256> kHexValues = [] {
  std::array<signed char, 256> values{};
  values.fill(-1);
  for (int digit = 0; digit < 10; ++digit) values['0' + digit] = static_cast<signed char>(digit);
  for (int digit = 0; digit < 6; ++digit) {
    values['a' + digit] = static_cast<signed char>(10 + digit);
    values['A' + digit] = static_cast<signed char>(10 + digit);
  }
  return values;
}();

int hexValue(char c) { return kHexValues[static_cast<unsigned char>(c)]; }

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One pass over the document that never steps back and never recurses, so
// broken or hostile input costs time and memory in proportion to its size.
// Text goes to the Sink as runs of Windows-1251 bytes, as single characters
// and as ends of lines.
template <typename Sink>
class Reader {
 public:
  Reader(std::string_view bytes, Sink& sink) : in_(bytes), sink_(sink) {}

  void read() {
    pos_ = std::min(in_.find_first_not_of(" \t\r\n"), in_.size());
    groups_.push_back({});
    while (pos_ < in_.size() && !finished_) step();
    flushBytes();
    settleSurrogate();
    if (lineHasText_) sink_.endLine();  // a last paragraph without its \par
  }

 private:
  GroupState& group() { return groups_.back(); }
  bool inText() { return group().destination == Destination::Text; }

  void step() {
    if (inText() && fallbackLeft_ == 0 && textRun()) return;
    char c = in_[pos_++];
    switch (c) {
      case '{': return openGroup();
      case '}': return closeGroup();
      case '\\': return control();
      case '\r':  // writers break their source lines anywhere, even inside words
      case '\n':
      case '\0':  // text in no code page
        return;
      default: return byte(static_cast<unsigned char>(c));
    }
  }

  // Reads plain bytes and \'hh escapes, the bulk of every document, in one
  // loop while nothing else can happen to them; false when there are none.
  bool textRun() {
    std::size_t begin = pos_;
    int page = codePage();
    if (page != pendingCodePage_) flushBytes();
    pendingCodePage_ = page;
    char buffer[512];
    std::size_t filled = 0;
    while (pos_ < in_.size()) {
      if (filled == sizeof buffer) pending_.append(buffer, std::exchange(filled, 0));
      char c = in_[pos_];
      if (c == '\\') {
        if (!escapedByteAt(pos_)) break;
        buffer[filled++] = static_cast<char>(hexValue(in_[pos_ + 2]) * 16 + hexValue(in_[pos_ + 3]));
        pos_ += 4;
      } else if (c == '{' || c == '}') {
        break;
      } else {
        buffer[filled] = c;
        filled += c != '\r' && c != '\n' && c != '\0';  // line breaks of the source are not text
        ++pos_;
      }
    }
    pending_.append(buffer, filled);
    return pos_ > begin;
  }

  bool escapedByteAt(std::size_t at) const {
    return at + 3 < in_.size() && in_[at + 1] == '\'' && hexValue(in_[at + 2]) >= 0 && hexValue(in_[at + 3]) >= 0;
  }

  void openGroup() {
    flushBytes();
    fallbackLeft_ = 0;
    groups_.push_back(group());
  }

  void closeGroup() {
    flushBytes();
    fallbackLeft_ = 0;
    groups_.pop_back();
    finished_ = groups_.size() == 1;  // the document ends with its first group
    if (groups_.empty()) groups_.push_back({});
  }

  void control() {
    if (pos_ >= in_.size()) return;
    char c = in_[pos_];
    if (isLetter(c)) return controlWord();
    ++pos_;
    switch (c) {
      case '\'': return escapedByte();
      case '\\':
      case '{':
      case '}': return byte(static_cast<unsigned char>(c));
      case '*': return skipGroup();
      case '~': return character(U'\u00A0');
      case '_': return character(U'\u2011');
      case '\r':
      case '\n': return endLine();
      default: return;  // \- (an optional hyphen) and symbols without text
    }
  }

  // An escape with one hex digit stands for nothing; its digit is dropped.
  void escapedByte() {
    int high = pos_ < in_.size() ? hexValue(in_[pos_]) : -1;
    if (high < 0) return;
    int low = ++pos_ < in_.size() ? hexValue(in_[pos_]) : -1;
    if (low < 0) return;
    ++pos_;
    byte(static_cast<unsigned char>(high * 16 + low));
  }

  void controlWord() {
    std::size_t begin = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
    std::string_view word = in_.substr(begin, pos_ - begin);
    bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1]);
    if (negative) ++pos_;
    bool hasParameter = pos_ < in_.size() && isDigit(in_[pos_]);
    long long parameter = 0;
    for (; pos_ < in_.size() && isDigit(in_[pos_]); ++pos_) {
      parameter = std::min(parameter * 10 + (in_[pos_] - '0'), kParameterLimit);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    const auto& table = keywords();
    auto it = table.find(word);
    if (it != table.end()) apply(it->second, hasParameter, negative ? -parameter : parameter);
  }

  void apply(const Keyword& keyword, bool hasParameter, long long parameter) {
    int value = static_cast<int>(std::clamp(parameter, -1000000000LL, 1000000000LL));
    switch (keyword.action) {
      case Action::Bin: return skipBinary(parameter);
      case Action::Unicode: return hasParameter ? unicode(parameter) : void();
      case Action::FallbackLength: group().fallbackLength = std::clamp(value, 0, 16); return;
      case Action::EndLine: return endLine();
      case Action::Character: return character(keyword.character);
      case Action::FontTable: group().destination = Destination::FontTable; return;
      case Action::SkipGroup: return skipGroup();
      case Action::Font: return font(value);
      case Action::Charset: return defineFont(&FontInfo::charset, value);
      case Action::FontCodePage: return defineFont(&FontInfo::codePage, value);
      case Action::DocumentCodePage: return value > 0 ? setDocumentCodePage(value) : void();
      case Action::DefaultFont: defaultFont_ = value; cachedFont_ = kNoFontCached; return;
      case Action::Plain: return font(kDefaultFont);
      case Action::UnicodeAlternatives: return unicodeAlternatives();
      case Action::UnicodeText: return unicodeText();
    }
  }

  void skipGroup() {
    flushBytes();
    group().destination = Destination::Skipped;
  }

  // \binN is followed by N bytes of data that may hold anything, braces too.
  void skipBinary(long long count) {
    flushBytes();
    pos_ += static_cast<std::size_t>(std::clamp(count, 0LL, static_cast<long long>(in_.size() - pos_)));
  }

  // {\upr{text in the code page}{\*\ud{the same text in Unicode}}}: read
  // the second form only.
  void unicodeAlternatives() {
    group().unicodeAlternativeOfText = inText();
    skipGroup();
  }

  void unicodeText() {
    if (group().unicodeAlternativeOfText) group().destination = Destination::Text;
  }

  void font(int number) {
    if (group().destination == Destination::FontTable) {
      definingFont_ = number;
      return;
    }
    group().font = number;
  }

  void defineFont(int FontInfo::*field, int value) {
    if (group().destination != Destination::FontTable) return;
    fonts_[definingFont_].*field = value;
    cachedFont_ = kNoFontCached;
  }

  void setDocumentCodePage(int codePage) {
    documentCodePage_ = codePage;
    cachedFont_ = kNoFontCached;
  }

  // The code page of the current font, remembered for the run of bytes that
  // usually follows: looking it up for every byte would dominate the reading.
  int codePage() {
    int number = group().font == kDefaultFont ? defaultFont_ : group().font;
    if (number != cachedFont_) {
      cachedFont_ = number;
      cachedCodePage_ = lookUpCodePage(number);
    }
    return cachedCodePage_;
  }

  int lookUpCodePage(int number) const {
    auto it = fonts_.find(number);
    if (it == fonts_.end()) return documentCodePage_;
    if (it->second.codePage > 0) return it->second.codePage;
    int fromCharset = codePageOfCharset(it->second.charset);
    return fromCharset == kDocumentCodePage ? documentCodePage_ : fromCharset;
  }

  // Bytes of one code page are gathered before decoding, for the code pages
  // whose characters take two bytes.
  void byte(unsigned char value) {
    if (!inText()) return;
    if (fallbackLeft_ > 0) {
      --fallbackLeft_;
      return;
    }
    int page = codePage();
    if (page != pendingCodePage_) flushBytes();
    pendingCodePage_ = page;
    pending_ += static_cast<char>(value);
  }

  void unicode(long long parameter) {
    if (!inText()) return;
    flushBytes();
    fallbackLeft_ = group().fallbackLength;
    auto unit = static_cast<char32_t>(parameter & 0xFFFF);  // a signed 16-bit number
    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
      char32_t high = std::exchange(highSurrogate_, 0);
      emit(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
    } else if (unit >= 0xD800 && unit <= 0xDBFF) {
      settleSurrogate();
      highSurrogate_ = unit;
    } else {
      emit(unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : unit);
    }
  }

  // Control words met while skipping a fallback are read as usual and do
  // not count as skipped characters.
  void character(char32_t value) {
    if (!inText()) return;
    flushBytes();
    emit(value);
  }

  void endLine() {
    if (!inText()) return;
    flushBytes();
    settleSurrogate();
    sink_.endLine();
    lineHasText_ = false;
  }

  void emit(char32_t value) {
    settleSurrogate();
    sink_.character(value);
    lineHasText_ = true;
  }

  // A high surrogate that no low one follows stands for a lost character.
  void settleSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    emit(kReplacement);
  }

  void flushBytes() {
    if (pending_.empty()) return;
    settleSurrogate();
    lineHasText_ = true;
    // Every code page an RTF writer names is a superset of ASCII.
    bool ascii = std::all_of(pending_.begin(), pending_.end(), [](char c) { return c >= 0; });
    if (pendingCodePage_ == kCodePage1251 || ascii) {
      sink_.bytes(pending_);
    } else if (pendingCodePage_ == kSymbolCodePage) {
      for (unsigned char b : pending_) sink_.character(0xF000 + b);  // the Symbol font's private-use block
    } else {
      decoded_.clear();
      decoder_.decode(pendingCodePage_, pending_, decoded_);
      for (char32_t c : decoded_) sink_.character(c);
    }
    pending_.clear();
  }

  static constexpr int kNoFontCached = -2;

  std::string_view in_;
  Sink& sink_;
  std::size_t pos_ = 0;
  bool finished_ = false;
  std::vector<GroupState> groups_;
  std::unordered_map<int, FontInfo> fonts_;
  int definingFont_ = 0;
  int defaultFont_ = 0;
  int documentCodePage_ = kCodePage1251;
  int cachedFont_ = kNoFontCached;
  int cachedCodePage_ = kCodePage1251;
  int fallbackLeft_ = 0;
  char32_t highSurrogate_ = 0;
  std::string pending_;
  int pendingCodePage_ = kCodePage1251;
  std::u32string decoded_;
  CodePageDecoder decoder_;
  bool lineHasText_ = false;
};

struct Cp1251Lines {
  std::vector<std::string> lines{std::string()};
  void bytes(std::string_view text) { lines.back() += text; }
  void character(char32_t c) { lines.back() += cp1251::fromCodePoint(c).value_or('?'); }
  void endLine() { lines.emplace_back(); }
};

struct Utf8Lines {
  std::vector<std::string> lines{std::string()};
  void bytes(std::string_view cp1251Text) {
    for (unsigned char b : cp1251Text) cp1251::appendUtf8(lines.back(), cp1251::toCodePoint(b));
  }
  void character(char32_t c) { cp1251::appendUtf8(lines.back(), c); }
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

std::vector<std::string> readUtf8Lines(std::string_view bytes) { return readLines<Utf8Lines>(bytes); }

std::vector<std::string> readCp1251Lines(std::string_view bytes) { return readLines<Cp1251Lines>(bytes); }

}  // namespace sob::rtf
