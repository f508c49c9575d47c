// The transcript: the visible list of the conversation's lines, each shown
// in the attributes that were current when it was added.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text_style.h"

namespace sob {

struct TranscriptLine {
  std::string text;  // Windows-1251
  TextAttributes attributes;
};

class Transcript {
 public:
  // Told of every change, so that a window can show it.
  struct Listener {
    virtual ~Listener() = default;
    virtual void lineAdded(const TranscriptLine& line) = 0;
    virtual void lineRemoved(int index) = 0;
    virtual void cleared() = 0;
  };

  void setListener(Listener* listener) { listener_ = listener; }

  int count() const { return static_cast<int>(lines_.size()); }
  std::string line(int i) const;
  const TranscriptLine& at(int i) const { return lines_.at(i); }

  TextAttributes& attributes() { return attributes_; }
  const TextAttributes& attributes() const { return attributes_; }

  // Adds one line per part between line breaks, like any rich-text line list,
  // each in the current attributes.
  void add(std::string_view text);
  // An index outside the list changes nothing.
  void remove(int i);
  void clear();

 private:
  std::vector<TranscriptLine> lines_;
  TextAttributes attributes_;
  Listener* listener_ = nullptr;
};

}  // namespace sob
