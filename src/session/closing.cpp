#include "closing.h"

namespace sob {
namespace {

constexpr int kLastStep = 80;
constexpr int kFirstSoundStep = 10;

// Draws from low..high the way the jitter always has: from 1..high,
// drawing again while below low.
int drawAtLeast(Random& random, int low, int high) {
  int value;
  do value = random.from1To(high);
  while (value < low);
  return value;
}

}  // namespace

void closingStep(int& counter, ClosingHost& host) {
  ++counter;
  if (counter >= kLastStep) {
    host.stopClosingTimer();
    host.exitWithLog();
    return;
  }
  host.moveAndResizeWindowBy(-3, -2, -10, -8);
  if (counter >= kFirstSoundStep) host.playCloseSound();
}

void jitterWindow(JitterHost& host, Random& random) {
  random.reseed();
  host.playJitterSound();
  host.setInputReadOnly(true);
  host.setMenusEnabled(false);
  int moves = drawAtLeast(random, 125, 250);
  for (int i = 0; i < moves; ++i) {
    int x = drawAtLeast(random, 95, 105);
    int y = drawAtLeast(random, 95, 105);
    host.moveWindowTo(x, y);
  }
  host.centreWindow();
  host.setInputReadOnly(false);
  host.setMenusEnabled(true);
  host.stopJitterTimer();
}

void newDialogue(Dialogue& dialogue, EditingHost& host) {
  dialogue.transcript.clear();
  dialogue.logBuffer.clear();
  host.clearInput();
  host.startJitter();
}

void undoLastLine(Dialogue& dialogue, EditingHost& host) {
  dialogue.transcript.remove(dialogue.transcript.count() - 1);
  dialogue.logBuffer.remove(dialogue.logBuffer.count() - 1);
  host.startJitter();
}

}  // namespace sob
