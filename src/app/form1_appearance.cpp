// Colours, fonts, the factory defaults, the layout conversion and the
// full-screen layout.
#include <QAction>
#include <QPalette>
#include <QStatusBar>

#include "appearance/layout_conversion.h"
#include "qt_text.h"
#include "session/ui/tform2.h"
#include "tform1.h"
#include "transcript_view.h"
#include "windows/tform3.h"

void TForm1::SpeedButton3Click() {
  play(sob::Sound::Layout);
  std::string text = inputText();
  if (text.empty()) return;
  std::string converted = sob::convertLayout(text);
  if (converted != text) edit1_->setText(sob::fromCp1251(converted));
}

void TForm1::N36Click() { SpeedButton3Click(); }

void TForm1::N6Click() { appearance_.chooseGeneralColor(sob::ColorTarget::Window); }
void TForm1::N21Click() { appearance_.chooseGeneralColor(sob::ColorTarget::Transcript); }
void TForm1::N16Click() { appearance_.chooseGeneralColor(sob::ColorTarget::Input); }
void TForm1::N9Click() { appearance_.chooseButtonColors(); }
void TForm1::User1Click() { appearance_.chooseUserColor(); }
void TForm1::Cpu1Click() { appearance_.chooseReplyColor(); }
void TForm1::Mystring2Click() { appearance_.chooseGeneralColor(sob::ColorTarget::InputText); }
void TForm1::User2Click() { appearance_.chooseUserFont(); }
void TForm1::Cpu2Click() { appearance_.chooseReplyFont(); }
void TForm1::Mystring1Click() { appearance_.chooseInputFont(); }
void TForm1::N13Click() { appearance_.restoreDefaults(); }
void TForm1::N40Click() { sob::toggleFullScreen(*this); }

void TForm1::setColor(sob::ColorTarget target, const sob::Color& color) {
  QColor qColor(color.red, color.green, color.blue);
  auto paint = [&](QWidget* widget, QPalette::ColorRole role) {
    QPalette palette = widget->palette();
    palette.setColor(role, qColor);
    widget->setPalette(palette);
  };
  switch (target) {
    case sob::ColorTarget::Window: return paint(client_, QPalette::Window);
    case sob::ColorTarget::Transcript: return paint(richEdit1_, QPalette::Base);
    case sob::ColorTarget::Input: return paint(edit1_, QPalette::Base);
    case sob::ColorTarget::InputText: return paint(edit1_, QPalette::Text);
    case sob::ColorTarget::SayButton: return paint(speedButton1_, QPalette::ButtonText);
    case sob::ColorTarget::UndoButton: return paint(speedButton2_, QPalette::ButtonText);
    case sob::ColorTarget::LayoutButton: return paint(speedButton3_, QPalette::ButtonText);
  }
}

void TForm1::setInputFontName(const std::string& name) {
  QFont font = edit1_->font();
  font.setFamily(QString::fromStdString(name));
  edit1_->setFont(font);
}

void TForm1::setInputFontStyle(const sob::FontStyle& style) {
  QFont font = edit1_->font();
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(style.strikeOut);
  edit1_->setFont(font);
}

void TForm1::setDefaultsMark(bool checked) { action("N13")->setChecked(checked); }

void TForm1::restoreSelfTalkSettings() {
  if (form2_) form2_->restoreDefaults();
}

void TForm1::collapseAboutWindow() {
  if (form3_) form3_->collapse();
}

bool TForm1::fullScreenChecked() const { return fullScreen_; }

void TForm1::showFullScreenItem(bool checked, const std::string& caption) {
  fullScreen_ = checked;
  action("N40")->setChecked(checked);
  action("N40")->setText(QString::fromStdString(caption));
}

void TForm1::applyGeometry(const sob::Geometry& geometry) {
  if (geometry.maximised) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    client_->setMinimumSize(0, 0);
    client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showMaximized();
  } else {
    showNormal();
    client_->setFixedSize(587, 361);
    setFixedSize(sizeHint());
  }
  tabControl1_->resize(geometry.frameWidth, geometry.frameHeight);
  richEdit1_->resize(geometry.transcriptWidth, geometry.transcriptHeight);
  tabControl2_->setGeometry(0, geometry.panelTop, geometry.panelWidth, tabControl2_->height());
  speedButton1_->move(geometry.sayLeft, speedButton1_->y());
  speedButton3_->move(geometry.layoutLeft, speedButton3_->y());
  speedButton2_->move(geometry.undoLeft, speedButton2_->y());
  edit1_->resize(geometry.inputWidth, edit1_->height());
  statusBar1_->setGeometry(0, client_->height() - 19, client_->width(), 19);
}
