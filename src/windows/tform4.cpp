#include "tform4.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

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

TForm4::TForm4(TForm1& form1) : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
                                form1_(form1) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Виртуальная клавиатура"));
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(silver);
  setAutoFillBackground(true);
  setFont(sob::designFont());
  sob::keepDisabledCaptionsReadable(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* menu = new QMenuBar(this);
  QMenu* system = menu->addMenu(QStringLiteral("&Система"));
  system->menuAction()->setObjectName(QStringLiteral("N1"));
  QAction* hide = system->addAction(QStringLiteral("С&крыть виртуальную клавиатуру"));
  hide->setObjectName(QStringLiteral("N2"));
  connect(hide, &QAction::triggered, this, &TForm4::N2Click);
  layout->setMenuBar(menu);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  client->setFixedSize(353, 145);
  layout->addWidget(client);
  createKeys();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(10);
  connect(timer1_, &QTimer::timeout, this, &TForm4::Timer1Timer);
  timer1_->start();
  FormCreate();
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

void TForm4::createKeys() {
  QWidget* client = findChild<QWidget*>(QStringLiteral("Client"));
  auto group = [&](const QString& caption, int top) {
    auto* box = new QGroupBox(caption, client);
    box->setGeometry(2, top, 305, 57);
    QPalette white = box->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(white);
    return box;
  };
  QGroupBox* signs = group(QStringLiteral("Знаки:"), 2);
  QGroupBox* letters = group(QStringLiteral("Буквы:"), 62);
  auto signKey = [&](const SignKey& key, int column, int row) {
    // "&" would mark an access letter: "&&" shows one ampersand.
    QString caption = key.character == '&' ? QStringLiteral("&&") : QString(QLatin1Char(key.character));
    QToolButton* button = makeKey(signs, key.number, caption, 8 + column * 17, 16 + row * 18, 16, 17);
    connect(button, &QToolButton::clicked, this, [this, key] { appendCharacter(key.character); });
  };
  for (int i = 0; i < 17; ++i) signKey(kSignRow1[i], i, 0);
  for (int i = 0; i < 11; ++i) signKey(kSignRow2[i], i + 3, 1);
  auto letterKey = [&](unsigned char capital, int number, int column, int row) {
    QToolButton* button = makeKey(letters, number, sob::fromCp1251(std::string(1, static_cast<char>(capital))),
                                  6 + column * 17, 16 + row * 18, 17, 17);
    connect(button, &QToolButton::clicked, this, [this, capital] {
      appendCharacter(capsLock_ == 0 ? smallLetter(capital) : static_cast<char>(capital));
    });
  };
  for (int i = 0; i < 17; ++i) letterKey(kLetterRow1[i], 29 + i, i, 0);
  for (int i = 0; i < 16; ++i) letterKey(kLetterRow2[i], 46 + i, i, 1);

  connect(makeKey(client, 62, QStringLiteral("Bcksp"), 310, 8, 41, 50), &QToolButton::clicked, this,
          &TForm4::SpeedButton62Click);
  connect(makeKey(client, 66, QStringLiteral("[Enter]"), 310, 64, 41, 51), &QToolButton::clicked, this,
          &TForm4::SpeedButton66Click);
  connect(makeKey(client, 23, QStringLiteral("Пробел"), 40, 121, 134, 22), &QToolButton::clicked, this,
          &TForm4::SpeedButton23Click);
  connect(makeKey(client, 63, kCapsOff, 180, 121, 123, 22), &QToolButton::clicked, this,
          &TForm4::SpeedButton63Click);
}

QToolButton* TForm4::key(const char* designerName) const {
  return findChild<QToolButton*>(QString::fromLatin1(designerName));
}

void TForm4::FormCreate() { capsLock_ = 0; }

void TForm4::open() {
  sob::showAuxiliaryWindow(this);
  timer1_->start();
}

void TForm4::disableEnter() { key("SpeedButton66")->setEnabled(false); }

// A key always appends at the end of the line, wherever the caret stands,
// and without regard to the line's length limit, which only typing has.
void TForm4::appendCharacter(char cp1251) {
  QLineEdit* line = form1_.Edit1();
  int limit = line->maxLength();
  line->setMaxLength(32767);
  line->setText(line->text() + sob::fromCp1251(std::string(1, cp1251)));
  line->setMaxLength(std::max(limit, static_cast<int>(line->text().size())));
}

void TForm4::SpeedButton23Click() { appendCharacter(' '); }

void TForm4::SpeedButton62Click() {
  QString text = form1_.Edit1()->text();
  if (!text.isEmpty()) form1_.Edit1()->setText(text.left(text.size() - 1));
}

void TForm4::SpeedButton66Click() { form1_.SpeedButton1Click(); }

void TForm4::SpeedButton63Click() {
  capsLock_ = (capsLock_ + 1) % 2;
  key("SpeedButton63")->setText(capsLock_ == 0 ? kCapsOff : kCapsOn);
}

void TForm4::Timer1Timer() {
  bool hasText = !form1_.Edit1()->text().isEmpty();
  key("SpeedButton62")->setEnabled(hasText);
  key("SpeedButton66")->setEnabled(hasText);
}

void TForm4::N2Click() {
  timer1_->stop();
  form1_.resumeAfterWindow();
  hide();
}

void TForm4::closeEvent(QCloseEvent* event) {
  N2Click();
  event->accept();
}
