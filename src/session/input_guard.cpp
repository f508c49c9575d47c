#include "input_guard.h"

namespace sob {

void guardTick(int& position, GuardHost& host) {
  if (host.inputText().empty()) return;
  if (position >= static_cast<int>(host.inputText().size())) position = 0;
  int p = ++position;
  for (char reserved : {'^', '_', ';'}) {
    std::string text = host.inputText();
    if (text.empty()) return;
    if (p <= static_cast<int>(text.size()) && text[p - 1] == reserved) {
      host.disableTranscript();
      host.clearInput();
    }
  }
  std::string text = host.inputText();
  if (!text.empty() && p >= static_cast<int>(text.size())) position = 0;
}

}  // namespace sob
