// Keeps the characters that structure the knowledge base ("^", "_", ";")
// out of the input line: one character is examined per tick, and a line
// holding one of them is thrown away whole.
#pragma once

#include <string>

namespace sob {

class GuardHost {
 public:
  virtual ~GuardHost() = default;
  virtual std::string inputText() const = 0;
  virtual void clearInput() = 0;
  virtual void disableTranscript() = 0;  // for good: nothing enables it again
};

// One tick. `position` is the 1-based position examined last (0 at start).
// When the line has become shorter than the position, the scan goes on
// from its first character, so it never reads past the end.
void guardTick(int& position, GuardHost& host);

}  // namespace sob
