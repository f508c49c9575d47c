#include "tform4.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/qt_text.h"
#include "app/tform1.h"
#include "app/window_placement.h"

namespace {

struct SignKey {
  int number;
  char character;
};

// The sign keys, row by row, left to right.
constexpr SignKey kSignRow1[] = {{3, '@'},  {4, '#'},  {5, '$'},  {6, '%'},  {7, '&'},  {8, '*'},
                                 {13, '+'}, {14, '='}, {15, '\\'}, {16, '|'}, {17, '/'}, {18, '['},
                                 {19, ']'}, {20, '{'}, {21, '}'}, {64, '~'}, {65, '`'}};
constexpr SignKey kSignRow2[] = {{28, ','}, {27, '.'}, {2, '!'},   {22, '?'}, {9, '('}, {10, ')'},
                                 {11, '-'}, {12, ':'}, {24, '"'}, {25, '<'}, {26, '>'}};

// The letter keys: captions are capitals; a key appends its small letter
// while Caps Lock is off. Windows-1251 codes, with Ё after Е.
constexpr unsigned char kLetterRow1[] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xA8, 0xC6, 0xC7,
                                         0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF};
constexpr unsigned char kLetterRow2[] = {0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7,
                                         0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF};

char smallLetter(unsigned char capital) { return static_cast<char>(capital == 0xA8 ? 0xB8 : capital + 0x20); }

const QString kCapsOff = QStringLiteral("Caps Lock [не нажат]");
const QString kCapsOn = QStringLiteral("Caps Lock [нажат]");

}  // namespace

TForm4::TForm4(TForm1& form1)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      form1_(form1),
      typingLimit_(form1.Edit1()->maxLength()) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Виртуальная клавиатура"));
  createLook();
  createMenu();
  createKeys();
  createTimer();
  connect(form1_.Edit1(), &QLineEdit::textChanged, this, &TForm4::keepTypingLimit);
  FormCreate();
}

void TForm4::createLook() {
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(silver);
  setAutoFillBackground(true);
  setFont(sob::designFont());
  sob::keepDisabledCaptionsReadable(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  client_ = new QWidget(this);
  client_->setFixedSize(353, 145);
  layout->addWidget(client_);
}

void TForm4::createMenu() {
  auto* menu = new QMenuBar(this);
  QMenu* system = menu->addMenu(QStringLiteral("&Система"));
  system->menuAction()->setObjectName(QStringLiteral("N1"));
  QAction* hide = system->addAction(QStringLiteral("С&крыть виртуальную клавиатуру"));
  hide->setObjectName(QStringLiteral("N2"));
  connect(hide, &QAction::triggered, this, &TForm4::N2Click);
  layout()->setMenuBar(menu);
}

// The key-state refresh polls as the main window's refresh does: faster
// than anyone clicks, without keeping an idle processor busy.
void TForm4::createTimer() {
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(10);
  connect(timer1_, &QTimer::timeout, this, &TForm4::Timer1Timer);
  timer1_->start();
}

QToolButton* TForm4::makeKey(QWidget* parent, int number, const QString& caption, int left, int top, int width,
                             int height) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
  button->setText(caption);
  button->setAutoRaise(true);
  button->setGeometry(left, top, width, height);
  return button;
}

// Two group boxes of keys, with the special keys at the right and along
// the bottom.
void TForm4::createKeys() {
  createSignKeys(groupBox(QStringLiteral("Знаки:"), 2));
  createLetterKeys(groupBox(QStringLiteral("Буквы:"), 62));
  createSpecialKeys();
}

QGroupBox* TForm4::groupBox(const QString& caption, int top) {
  auto* box = new QGroupBox(caption, client_);
  box->setGeometry(2, top, 305, 57);
  QPalette white = box->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  box->setPalette(white);
  return box;
}

// The second row starts three keys in.
void TForm4::createSignKeys(QGroupBox* box) {
  auto signKey = [&](const SignKey& key, int column, int row) {
    // "&" would mark an access letter: "&&" shows one ampersand.
    QString caption = key.character == '&' ? QStringLiteral("&&") : QString(QLatin1Char(key.character));
    QToolButton* button = makeKey(box, key.number, caption, 8 + column * 17, 16 + row * 18, 16, 17);
    connect(button, &QToolButton::clicked, this, [this, key] { appendCharacter(key.character); });
  };
  for (int i = 0; i < 17; ++i) signKey(kSignRow1[i], i, 0);
  for (int i = 0; i < 11; ++i) signKey(kSignRow2[i], i + 3, 1);
}

void TForm4::createLetterKeys(QGroupBox* box) {
  auto letterKey = [&](unsigned char capital, int number, int column, int row) {
    QToolButton* button = makeKey(box, number, sob::fromCp1251(std::string(1, static_cast<char>(capital))),
                                  6 + column * 17, 16 + row * 18, 17, 17);
    connect(button, &QToolButton::clicked, this, [this, capital] {
      appendCharacter(capsLock_ == 0 ? smallLetter(capital) : static_cast<char>(capital));
    });
  };
  for (int i = 0; i < 17; ++i) letterKey(kLetterRow1[i], 29 + i, i, 0);
  for (int i = 0; i < 16; ++i) letterKey(kLetterRow2[i], 46 + i, i, 1);
}

void TForm4::createSpecialKeys() {
  backspace_ = makeKey(client_, 62, QStringLiteral("Bcksp"), 310, 8, 41, 50);
  enter_ = makeKey(client_, 66, QStringLiteral("[Enter]"), 310, 64, 41, 51);
  capsKey_ = makeKey(client_, 63, kCapsOff, 180, 121, 123, 22);
  QToolButton* space = makeKey(client_, 23, QStringLiteral("Пробел"), 40, 121, 134, 22);
  connect(backspace_, &QToolButton::clicked, this, &TForm4::SpeedButton62Click);
  connect(enter_, &QToolButton::clicked, this, &TForm4::SpeedButton66Click);
  connect(capsKey_, &QToolButton::clicked, this, &TForm4::SpeedButton63Click);
  connect(space, &QToolButton::clicked, this, &TForm4::SpeedButton23Click);
}

QToolButton* TForm4::key(const char* designerName) const {
  return findChild<QToolButton*>(QString::fromLatin1(designerName));
}

void TForm4::FormCreate() { capsLock_ = 0; }

void TForm4::open() {
  sob::showAuxiliaryWindow(this);
  timer1_->start();
}

void TForm4::disableEnter() { enter_->setEnabled(false); }

// A key always appends at the end of the line, wherever the caret stands,
// and without regard to the line's length limit, which only typing has.
void TForm4::appendCharacter(char cp1251) {
  QLineEdit* line = form1_.Edit1();
  QString text = line->text() + sob::fromCp1251(std::string(1, cp1251));
  if (text.size() > line->maxLength()) line->setMaxLength(text.size());
  line->setText(text);
}

// A line the keys made longer than the limit takes no typed character, and
// the limit is back once the line fits in it again.
void TForm4::keepTypingLimit() {
  QLineEdit* line = form1_.Edit1();
  line->setMaxLength(std::max(typingLimit_, static_cast<int>(line->text().size())));
}

void TForm4::SpeedButton23Click() { appendCharacter(' '); }

void TForm4::SpeedButton62Click() {
  QString text = form1_.Edit1()->text();
  if (!text.isEmpty()) form1_.Edit1()->setText(text.left(text.size() - 1));
}

void TForm4::SpeedButton66Click() { form1_.SpeedButton1Click(); }

void TForm4::SpeedButton63Click() {
  capsLock_ = (capsLock_ + 1) % 2;
  capsKey_->setText(capsLock_ == 0 ? kCapsOff : kCapsOn);
}

void TForm4::Timer1Timer() {
  bool hasText = !form1_.Edit1()->text().isEmpty();
  backspace_->setEnabled(hasText);
  enter_->setEnabled(hasText);
}

void TForm4::N2Click() {
  timer1_->stop();
  form1_.resumeAfterWindow();
  hide();
}

// The window manager's close hides the keyboard as its menu item does, so
// the main window never stays disabled.
void TForm4::closeEvent(QCloseEvent* event) {
  if (isVisible()) N2Click();
  event->accept();
}
