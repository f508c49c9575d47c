// The data a conversation window holds: the transcript, the hidden line
// lists, the engine state and the held colours and fonts. The windows and
// the console each own one; the handlers work on it.
#pragma once

#include "engine_state.h"
#include "line_list.h"
#include "text_style.h"
#include "transcript.h"

namespace sob {

struct Dialogue {
  Dialogue();

  Transcript transcript;                 // RichEdit1
  LineList scratch{ListKind::Rich};      // RichEdit2: files are loaded here for reading
  LineList learning{ListKind::Rich};     // RichEdit3: W1.Dat and W2.Dat within a turn
  LineList logBuffer{ListKind::Rich};    // RichEdit4: "USER:     ..." / "CPU:     ..."
  LineList abusive{ListKind::Plain};     // Memo1: abusive words, and the self-talk buffer
  LineList farewells{ListKind::Plain};   // Memo2
  LineList personal{ListKind::Plain};    // Memo4
  EngineState state;
  HeldAppearance held;
  bool selfTalkMode = false;             // "C&pu\Cpu" checked rather than "&Cpu\User"
};

}  // namespace sob
