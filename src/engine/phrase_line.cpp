#include "phrase_line.h"

#include <algorithm>

namespace sob {

int branchLevel(std::string_view line) {
  std::size_t n = line.find_first_not_of('_');
  return static_cast<int>(n == std::string_view::npos ? line.size() : n);
}

std::optional<std::string_view> answeredKey(std::string_view line, std::size_t from) {
  if (from + 1 > line.size()) return std::nullopt;
  std::size_t caret = line.find('^', from + 1);
  if (caret == std::string_view::npos || caret + 1 == line.size()) return std::nullopt;
  return line.substr(0, caret);
}

std::string_view keyText(std::string_view line) { return line.substr(0, line.find('^')); }

int replyCount(std::string_view line) { return static_cast<int>(std::count(line.begin(), line.end(), ';')); }

std::string_view replyAt(std::string_view line, std::size_t caret, int m) {
  std::size_t start = caret;
  if (m >= 2) {
    start = std::string_view::npos;
    int seen = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == ';' && ++seen == m - 1) { start = i; break; }
    }
    if (start == std::string_view::npos) return {};
  }
  std::string_view rest = line.substr(start + 1);
  return rest.substr(0, rest.find(';'));
}

bool isWellFormedPhraseLine(std::string_view line) {
  std::size_t level = static_cast<std::size_t>(branchLevel(line));
  std::size_t caret = line.find('^');
  if (caret == std::string_view::npos || caret <= level) return false;
  std::string_view key = line.substr(level, caret - level);
  if (key.find_first_of(";_") != std::string_view::npos) return false;
  std::string_view replies = line.substr(caret + 1);
  while (!replies.empty()) {
    std::size_t end = replies.find(';');
    if (end == 0 || end == std::string_view::npos) return false;
    if (replies.substr(0, end).find_first_of("^_") != std::string_view::npos) return false;
    replies.remove_prefix(end + 1);
  }
  return true;
}

}  // namespace sob
