// The reply turn: one phrase in, one reply out. Started by "Сказать", the
// Insert key, the virtual keyboard's Enter and every self-talk tick.
#pragma once

#include <string>

#include "dialogue.h"
#include "file_store.h"
#include "random.h"
#include "sound.h"

namespace sob {

// What a turn needs of the window that hosts it.
class TurnHost {
 public:
  virtual ~TurnHost() = default;
  // The input line's text (Windows-1251), and clearing it.
  virtual std::string inputText() const = 0;
  virtual void clearInput() = 0;
  // The self-talk file path as the settings window shows it at this moment.
  virtual std::string selfTalkPath() const = 0;
  // The hourglass (true) or the no-entry cursor (false) on the nine controls.
  virtual void setBusyCursor(bool busy) = 0;
  virtual void play(Sound sound) = 0;
  // A farewell: the virtual keyboard's Enter goes off and the closing timer starts.
  virtual void disableKeyboardEnter() = 0;
  virtual void startClosingTimer() = 0;
};

// Runs one reply turn. A failed file operation ends the turn at that step
// with a FileError; what was done before it stays done. An empty phrase
// starts no turn at all: nothing is written and no state changes.
void runTurn(Dialogue& dialogue, TurnHost& host, const FileStore& files, Random& random);

}  // namespace sob
