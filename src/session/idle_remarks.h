// The computer speaks up by itself after 60 to 90 seconds without a turn.
#pragma once

#include "engine/dialogue.h"
#include "engine/file_store.h"
#include "engine/random.h"

namespace sob {

class IdleHost {
 public:
  virtual ~IdleHost() = default;
  virtual void playReplySound() = 0;
};

// One tick of the idle timer (one second). A threshold is drawn anew from
// 60..90 at every tick; once the counter reaches it, a random line of
// Pause.Dat is written to the transcript in the general colour. A FileError
// leaves the counter where it was, so the next tick tries again.
void idleTick(Dialogue& dialogue, const FileStore& files, Random& random, IdleHost& host);

}  // namespace sob
