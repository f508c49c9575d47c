// Idle remarks, the input guard and the two dialogue modes with self-talk.
#include <QAction>

#include "qt_text.h"
#include "session/ui/tform2.h"
#include "sound_player.h"
#include "tform1.h"
#include "transcript_view.h"

void TForm1::Timer2Timer() {
  attempt([&] { sob::idleTick(dialogue_, files_, random_, *this); });
}

void TForm1::Timer5Timer() { sob::guardTick(guardPosition_, *this); }

void TForm1::CpuUser1Click() { sob::selectUserMode(dialogue_, *this); }

void TForm1::Cpu31Click() { sob::selectSelfTalkMode(dialogue_, *this); }

void TForm1::Timer6Timer() {
  attempt([&] { sob::selfTalkTick(dialogue_, files_, random_, *this); });
}

void TForm1::N38Click() {
  suspendForWindow();
  if (form2_) form2_->open();
}

int TForm1::selfTalkInterval() const { return form2_ ? form2_->selfTalkInterval() : 1000; }

void TForm1::setSelfTalkTimerInterval(int milliseconds) {
  if (timer(6)->interval() != milliseconds) timer(6)->setInterval(milliseconds);
}

void TForm1::playReplySound() { play(sob::Sound::Reply); }

void TForm1::disableTranscript() { richEdit1_->setEnabled(false); }

void TForm1::setModeIndicator(const std::string& text) { statusPanel(2)->setText(sob::fromCp1251(text)); }

void TForm1::showModeChecks(bool selfTalk) {
  action("CpuUser1")->setChecked(!selfTalk);
  action("Cpu31")->setChecked(selfTalk);
}
