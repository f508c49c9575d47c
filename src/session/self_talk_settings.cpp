#include "self_talk_settings.h"

#include <algorithm>
#include <charconv>

namespace sob {

int selfTalkIntervalOf(const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 1;
  return std::max(value, 1);
}

SettingsField focusHopField(Random& random) {
  random.reseed();
  return random.below(6) % 2 == 0 ? SettingsField::Path : SettingsField::Interval;
}

}  // namespace sob
