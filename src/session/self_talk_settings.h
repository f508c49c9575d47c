// What the self-talk settings window ("Редактор") decides without its
// toolkit: how the interval field's text reads, and where the focus hops.
#pragma once

#include <string>

#include "engine/random.h"

namespace sob {

// The self-talk interval in milliseconds for the interval field's text:
// text that is not a whole number reads as 1, and nothing below 1 ever
// reaches the timer (the field brings its value into range only when it
// loses the focus, and a tick may read it before that).
int selfTalkIntervalOf(const std::string& text);

enum class SettingsField { Path, Interval };

// One focus hop: reseeds, then draws from 0..5; an even number lands on the
// path field, an odd one on the interval field.
SettingsField focusHopField(Random& random);

}  // namespace sob
