#include "line_list.h"

#include "rtf_reader.h"
#include "rtf_writer.h"

namespace sob {

LineList::LineList(ListKind kind, std::vector<std::string> lines) : kind_(kind), lines_(std::move(lines)) {}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string LineList::line(int i) const {
  if (i < 0 || i >= count()) return {};
  const std::string& text = lines_[i];
  return text.size() > kMaxLineLength ? text.substr(0, kMaxLineLength) : text;
}

void LineList::add(std::string_view text) {
  lastLineOpen_ = false;
  std::vector<std::string> parts = splitLines(text);
  if (parts.empty()) parts.emplace_back();
  for (std::string& part : parts) lines_.push_back(std::move(part));
  bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
  if (endsWithBreak) lines_.emplace_back();
}

void LineList::remove(int i) {
  if (i < 0 || i >= count()) return;
  lines_.erase(lines_.begin() + i);
  if (i == count()) lastLineOpen_ = false;
}

void LineList::clear() {
  lines_.clear();
  lastLineOpen_ = false;
}

std::string LineList::wholeText() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  if (lastLineOpen_ && !text.empty()) text.resize(text.size() - 2);
  return text;
}

void LineList::setFileBytes(std::string_view bytes) {
  if (kind_ == ListKind::Rich && rtf::looksLikeRtf(bytes)) {
    lines_ = rtf::readCp1251Lines(bytes);
    lastLineOpen_ = false;
    return;
  }
  lines_ = splitLines(bytes);
  lastLineOpen_ = kind_ == ListKind::Plain && !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
}

std::string LineList::fileBytes() const {
  if (kind_ == ListKind::Rich) return rtf::writeCp1251Document(lines_);
  return wholeText();
}

}  // namespace sob
