// Leaving the program: new dialogue and undo, the closing animation that a
// farewell starts, and the window jitter.
#pragma once

#include "engine/dialogue.h"
#include "engine/random.h"

namespace sob {

class ClosingHost {
 public:
  virtual ~ClosingHost() = default;
  virtual void exitWithLog() = 0;             // "В&ыход"
  virtual void stopClosingTimer() = 0;
  virtual void moveAndResizeWindowBy(int dx, int dy, int dWidth, int dHeight) = 0;
  virtual void playCloseSound() = 0;
};

// One step of the closing animation. The counter lives as long as the
// window: it is never reset. The 80th step leaves through the menu.
void closingStep(int& counter, ClosingHost& host);

class JitterHost {
 public:
  virtual ~JitterHost() = default;
  virtual void playJitterSound() = 0;
  virtual void setInputReadOnly(bool readOnly) = 0;
  virtual void setMenusEnabled(bool enabled) = 0;
  virtual void moveWindowTo(int left, int top) = 0;
  virtual void centreWindow() = 0;
  virtual void stopJitterTimer() = 0;
};

// One run of the window jitter: 125 to 250 jumps of the window's corner
// among the points 95..105 pixels from the screen's left and top.
void jitterWindow(JitterHost& host, Random& random);

class EditingHost {
 public:
  virtual ~EditingHost() = default;
  virtual void clearInput() = 0;
  virtual void startJitter() = 0;
};

// "&Новый диалог": empties the transcript and the session log buffer.
void newDialogue(Dialogue& dialogue, EditingHost& host);
// "<": takes the last line of the transcript and of the session log buffer.
void undoLastLine(Dialogue& dialogue, EditingHost& host);

}  // namespace sob
