#include "idle_remarks.h"

#include "engine/knowledge_base.h"
#include "engine/reply_files.h"

namespace sob {

void idleTick(Dialogue& dialogue, const FileStore& files, Random& random, IdleHost& host) {
  random.reseed();
  int threshold = 60 + random.below(31);
  if (++dialogue.state.idleCounter < threshold) return;
  files.load(dialogue.scratch, kb::kPause);
  dialogue.state.reply = randomLine(dialogue.scratch, random);
  dialogue.transcript.attributes().color = dialogue.held.general;
  dialogue.transcript.add(dialogue.state.reply);
  host.playReplySound();
  dialogue.state.idleCounter = 0;
}

}  // namespace sob
