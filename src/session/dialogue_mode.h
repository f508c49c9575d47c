// The two dialogue modes: Cpu\User, where the user types, and Cpu\Cpu,
// where the computer answers the self-talk file at every tick.
#pragma once

#include <string>

#include "engine/dialogue.h"
#include "engine/file_store.h"
#include "engine/turn.h"

namespace sob {

class ModeHost {
 public:
  virtual ~ModeHost() = default;
  virtual void setModeIndicator(const std::string& text) = 0;  // status panel 2
  virtual void showModeChecks(bool selfTalk) = 0;              // the menu's check marks
};

// "&Cpu\User" and "C&pu\Cpu": each writes its service line in teal, also
// when the mode is already in force.
void selectUserMode(Dialogue& dialogue, ModeHost& host);
void selectSelfTalkMode(Dialogue& dialogue, ModeHost& host);

class SelfTalkHost : public TurnHost {
 public:
  // The interval field's value read now, at least 1 ms.
  virtual int selfTalkInterval() const = 0;
  virtual void setSelfTalkTimerInterval(int milliseconds) = 0;
};

// One self-talk tick: the file at the path the settings window shows is
// loaded into the self-talk buffer, the timer takes the interval shown, and
// a turn answers the file. A file that cannot be read ends the tick before
// the interval changes and before any turn (a FileError).
void selfTalkTick(Dialogue& dialogue, const FileStore& files, Random& random, SelfTalkHost& host);

}  // namespace sob
