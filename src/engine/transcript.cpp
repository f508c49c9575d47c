#include "transcript.h"

#include "line_list.h"

namespace sob {

std::string Transcript::line(int i) const {
  if (i < 0 || i >= count()) return {};
  return lines_[i].text;
}

void Transcript::add(std::string_view text) {
  LineList parts(ListKind::Rich);
  parts.add(text);
  for (const std::string& part : parts.lines()) {
    lines_.push_back({part, attributes_});
    if (listener_) listener_->lineAdded(lines_.back());
  }
}

void Transcript::remove(int i) {
  if (i < 0 || i >= count()) return;
  lines_.erase(lines_.begin() + i);
  if (listener_) listener_->lineRemoved(i);
}

void Transcript::clear() {
  lines_.clear();
  if (listener_) listener_->cleared();
}

}  // namespace sob
