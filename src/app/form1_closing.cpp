// New dialogue, undo, the exit with its log entry, and the two animations.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

#include "engine/session_log.h"
#include "sound_player.h"
#include "tform1.h"
#include "window_placement.h"

void TForm1::N2Click() { sob::newDialogue(dialogue_, *this); }

void TForm1::SpeedButton2Click() { sob::undoLastLine(dialogue_, *this); }

void TForm1::N15Click() { SpeedButton2Click(); }

void TForm1::N4Click() {
  if (attempt([&] { sob::appendSessionLogEntry(dialogue_, files_, sob::localDateTime()); })) close();
}

void TForm1::Timer4Timer() { sob::closingStep(closingCounter_, *this); }

void TForm1::Timer7Timer() { sob::jitterWindow(*this, random_); }

// The closing animation ends with the exit. An exit that fails there (say,
// the log file is missing) is reported once, and the window comes back to
// its size so the user can go on.
void TForm1::exitWithLog() {
  N4Click();
  if (isVisible()) {
    setFixedSize(sizeHint());
    centreWindow();
  }
}

void TForm1::stopClosingTimer() { timer(4)->stop(); }

// The window shrinks towards the upper left; it is held at its smallest size.
void TForm1::moveAndResizeWindowBy(int dx, int dy, int dWidth, int dHeight) {
  QSize smallest(120, 60);
  QSize size(std::max(width() + dWidth, smallest.width()), std::max(height() + dHeight, smallest.height()));
  setFixedSize(size);
  move(x() + dx, y() + dy);
}

void TForm1::playCloseSound() { play(sob::Sound::Close); }

void TForm1::playJitterSound() { play(sob::Sound::Jitter); }

void TForm1::setMenusEnabled(bool enabled) {
  for (const char* name : {"N1", "N5", "N11"}) action(name)->setEnabled(enabled);
}

void TForm1::moveWindowTo(int left, int top) { move(left, top); }

void TForm1::centreWindow() { sob::centreOnScreen(this); }

void TForm1::stopJitterTimer() { timer(7)->stop(); }

void TForm1::startJitter() {
  if (!timer(7)->isActive()) timer(7)->start();
}
