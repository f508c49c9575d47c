// The reply turn and what keeps the window's controls in step with it.
#include <QApplication>
#include <QCursor>
#include <QStatusBar>
#include <QToolTip>

#include "engine/typed_phrase.h"
#include "qt_text.h"
#include "sound_player.h"
#include "tform1.h"
#include "transcript_view.h"
#include "windows/tform4.h"
#include "session/ui/tform2.h"

void TForm1::FormCreate() {
  attemptAtStart([&] { files_.load(dialogue_.scratch, "Base\\Words.dat"); });
}

void TForm1::SpeedButton1Click() {
  attempt([&] { sob::runTurn(dialogue_, *this, files_, random_); });
}

void TForm1::N3Click() { SpeedButton1Click(); }

void TForm1::Edit1Change() {
  refuseUnrepresentableInput();
  play(sob::Sound::KeyClick);
}

// The knowledge base is Windows-1251: a character it cannot hold (pasted
// emoji, a letter of another alphabet) is taken back at once, with a word
// to the user, so it never reaches a turn.
void TForm1::refuseUnrepresentableInput() {
  if (sob::toCp1251(edit1_->text())) {
    acceptedInput_ = edit1_->text();
    return;
  }
  QSignalBlocker quiet(edit1_);
  edit1_->setText(acceptedInput_);
  QString why = QString::fromStdString(sob::describe(sob::TypedPhraseProblem::NotWindows1251));
  statusBar1_->setToolTip(why);
  QToolTip::showText(edit1_->mapToGlobal(QPoint(0, edit1_->height())), why, edit1_);
}

void TForm1::Timer1Timer() {
  bool hasText = !edit1_->text().isEmpty();
  speedButton1_->setEnabled(hasText);
  speedButton3_->setEnabled(hasText);
  action("N3")->setEnabled(hasText);
  bool hasLines = dialogue_.transcript.count() > 0;
  speedButton2_->setEnabled(hasLines);
  action("N15")->setEnabled(hasLines);
  if (dialogue_.selfTalkMode) {
    if (!timer(6)->isActive()) timer(6)->start();
  } else {
    timer(6)->stop();
  }
  // The input line holds the focus whenever the window does, but an open
  // menu or report keeps it.
  if (isActiveWindow() && !edit1_->hasFocus() && !QApplication::activePopupWidget()) edit1_->setFocus();
}

std::string TForm1::inputText() const { return sob::toCp1251(edit1_->text()).value_or(""); }

void TForm1::clearInput() { edit1_->clear(); }

std::string TForm1::selfTalkPath() const { return form2_ ? form2_->selfTalkPath() : std::string("D:\\Txt.Dat"); }

void TForm1::setBusyCursor(bool busy) {
  QCursor cursor(busy ? Qt::WaitCursor : Qt::ForbiddenCursor);
  for (QWidget* control : std::initializer_list<QWidget*>{edit1_, this, richEdit1_->viewport(), speedButton1_,
                                                          speedButton2_, speedButton3_, statusBar1_,
                                                          tabControl1_, tabControl2_}) {
    control->setCursor(cursor);
  }
}

void TForm1::play(sob::Sound sound) { sounds_->play(sound); }

void TForm1::disableKeyboardEnter() {
  if (form4_) form4_->disableEnter();
}

// Starting a timer that runs already leaves its countdown as it is.
void TForm1::startClosingTimer() {
  if (!timer(4)->isActive()) timer(4)->start();
}
