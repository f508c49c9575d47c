#include "keyword_scan.h"

namespace sob {

bool keywordFound(std::string_view entry, std::string_view text) {
  if (entry.empty()) return false;
  std::size_t matched = 0;
  for (char x : text) {
    if (x == entry[matched]) {
      if (++matched == entry.size()) return true;
    } else {
      matched = 0;
    }
  }
  return false;
}

}  // namespace sob
