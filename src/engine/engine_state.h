// What the reply engine remembers from turn to turn for the whole run.
// Never stored; "new dialogue" does not reset it.
#pragma once

#include <string>

namespace sob {

struct EngineState {
  std::string reply;             // the reply text; an idle remark also lands here
  std::string previousReply;
  std::string previousReplyKey;  // upper-cased at the start of the next turn
  int threadDepth = 0;           // 0: no thread; d: look among branches of level d
  int threadPosition = 0;        // line of Words.Dat that gave the last reply
  int idleCounter = 0;           // seconds since the last turn or idle remark
};

}  // namespace sob
