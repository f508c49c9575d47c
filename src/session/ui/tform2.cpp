#include "tform2.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "app/qt_text.h"
#include "app/tform1.h"
#include "app/window_placement.h"
#include "session/self_talk_settings.h"

namespace {
const QString kDefaultPath = QStringLiteral("D:\\Txt.Dat");
constexpr int kDefaultInterval = 1000;
}  // namespace

TForm2::TForm2(TForm1& form1) : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
                                form1_(form1) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Редактор"));
  setFixedSize(305, 105);
  setFont(sob::designFont());

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameShape(QFrame::Box);
  bevel->setGeometry(0, 1, 305, 104);

  auto* group1 = new QGroupBox(QStringLiteral("Путь файла:"), this);
  group1->setObjectName(QStringLiteral("GroupBox1"));
  group1->setGeometry(8, 8, 185, 57);
  edit1_ = new QLineEdit(kDefaultPath, group1);
  acceptedPath_ = kDefaultPath;
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setGeometry(8, 24, 169, 21);

  auto* group2 = new QGroupBox(QStringLiteral("Интервал (сек.):"), this);
  group2->setObjectName(QStringLiteral("GroupBox2"));
  group2->setGeometry(200, 8, 97, 57);
  spinEdit1_ = new QSpinBox(group2);
  spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
  spinEdit1_->setGeometry(8, 24, 81, 22);
  spinEdit1_->setRange(1, 60000);
  // Leaving the field with a value out of range puts the nearer bound in.
  spinEdit1_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  spinEdit1_->setValue(kDefaultInterval);

  QPalette highlighted = edit1_->palette();
  highlighted.setColor(QPalette::Base, palette().color(QPalette::HighlightedText));
  edit1_->setPalette(highlighted);
  spinEdit1_->setPalette(highlighted);

  button1_ = new QPushButton(QStringLiteral("Хорошо"), this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(72, 72, 75, 25);
  button2_ = new QPushButton(QStringLiteral("Отмена"), this);
  button2_->setObjectName(QStringLiteral("Button2"));
  button2_->setGeometry(157, 72, 75, 25);
  setTabOrder(edit1_, spinEdit1_);
  setTabOrder(spinEdit1_, button1_);
  setTabOrder(button1_, button2_);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(2000);

  connect(button1_, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TForm2::Button2Click);
  connect(timer1_, &QTimer::timeout, this, &TForm2::Timer1Timer);
  connect(edit1_, &QLineEdit::textChanged, this, &TForm2::Edit1Change);
  connect(spinEdit1_, &QSpinBox::textChanged, this, &TForm2::SpinEdit1Change);
}

// The path field refuses characters Windows-1251 cannot hold (see Edit1Change).
std::string TForm2::selfTalkPath() const { return sob::toCp1251(edit1_->text()).value_or(""); }

int TForm2::selfTalkInterval() const { return sob::selfTalkIntervalOf(spinEdit1_->text().toStdString()); }

void TForm2::open() {
  sob::showAuxiliaryWindow(this);
  timer1_->start();
}

void TForm2::restoreDefaults() {
  restoring_ = true;
  edit1_->setText(kDefaultPath);
  spinEdit1_->setValue(kDefaultInterval);
  restoring_ = false;
}

void TForm2::Button1Click() { closeWindow(); }

void TForm2::Button2Click() { closeWindow(); }

void TForm2::closeWindow() {
  timer1_->stop();
  form1_.resumeAfterWindow();
  hide();
}

// Every two seconds the focus lands on one of the two fields.
void TForm2::Timer1Timer() {
  bool toPath = sob::focusHopField(form1_.random()) == sob::SettingsField::Path;
  QWidget* field = toPath ? static_cast<QWidget*>(edit1_) : spinEdit1_;
  if (field->hasFocus()) return;
  field->setFocus();
  if (toPath) edit1_->selectAll();
  else spinEdit1_->selectAll();
}

// The self-talk file is read and written in Windows-1251 like every text of
// the program: a character it cannot hold is taken back at once.
void TForm2::Edit1Change() {
  if (!sob::toCp1251(edit1_->text())) {
    QSignalBlocker quiet(edit1_);
    edit1_->setText(acceptedPath_);
    return;
  }
  acceptedPath_ = edit1_->text();
  if (!restoring_) form1_.setDefaultsMark(false);
}

void TForm2::SpinEdit1Change() {
  if (!restoring_) form1_.setDefaultsMark(false);
}

// The window manager's close does what the buttons do, so the main window
// never stays disabled; a close that reaches the hidden window (the program
// ending) leaves the main window alone.
void TForm2::closeEvent(QCloseEvent* event) {
  if (isVisible()) closeWindow();
  event->accept();
}
