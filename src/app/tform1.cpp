#include "tform1.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolTip>

#include <optional>

#include "error_reporter.h"
#include "qt_text.h"
#include "sound_player.h"
#include "transcript_view.h"
#include "window_placement.h"

namespace {

// How often the two polling timers of the window run. The design asks for
// "as often as the platform allows"; ten milliseconds is faster than anyone
// can type or click, and keeps an idle window from spending the processor.
constexpr int kPollInterval = 10;

// Runs a handler step; the file operation it failed on, if any.
std::optional<sob::FileError> failureOf(const std::function<void()>& step) {
  try {
    step();
    return std::nullopt;
  } catch (const sob::FileError& error) {
    return error;
  }
}

}  // namespace

TForm1::TForm1(sob::FileStore files, sob::Random& random, sob::DialogProvider& dialogs)
    : files_(std::move(files)), random_(random), appearance_(dialogue_, *this, dialogs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Разработчик: Тамбрель. v2.05"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  errors_ = new sob::ErrorReporter(this);
  createControls();
  createMenu();
  createStatusBar();
  createSounds();
  createTimers();
  connectHandlers();
  setFixedSize(sizeHint());
  FormCreate();
}

TForm1::~TForm1() { dialogue_.transcript.setListener(nullptr); }

void TForm1::attachWindows(TForm2* form2, TForm3* form3, TForm4* form4) {
  form2_ = form2;
  form3_ = form3;
  form4_ = form4;
}

// The refresh asks for its items at every tick: they are found once.
QAction* TForm1::action(const char* designerName) const {
  return actions_.value(QString::fromLatin1(designerName));
}

void TForm1::createControls() {
  client_ = new QWidget(this);
  client_->setFixedSize(587, 361);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);
  QFont font = sob::designFont();
  client_->setFont(font);
  setColor(sob::ColorTarget::Window, sob::kSilver);
  sob::keepDisabledCaptionsReadable(client_);
  setCursor(Qt::ForbiddenCursor);

  tabControl1_ = new QFrame(client_);
  tabControl1_->setObjectName(QStringLiteral("TabControl1"));
  tabControl1_->setFrameShape(QFrame::StyledPanel);
  tabControl1_->setGeometry(0, 0, 588, 313);
  richEdit1_ = new sob::TranscriptView(tabControl1_);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setGeometry(3, 6, 581, 303);
  richEdit1_->setToolTip(QStringLiteral("Поле для отображения диалога"));
  richEdit1_->viewport()->setCursor(Qt::ForbiddenCursor);
  dialogue_.transcript.setListener(richEdit1_);
  setColor(sob::ColorTarget::Transcript, sob::kSilver);

  tabControl2_ = new QFrame(client_);
  tabControl2_->setObjectName(QStringLiteral("TabControl2"));
  tabControl2_->setFrameShape(QFrame::StyledPanel);
  tabControl2_->setGeometry(0, 312, 585, 30);
  tabControl2_->setCursor(Qt::ForbiddenCursor);
  edit1_ = new QLineEdit(tabControl2_);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setGeometry(3, 5, 422, 21);
  edit1_->setMaxLength(255);
  edit1_->setToolTip(QStringLiteral("Поле для ввода фразы пользователя"));
  edit1_->setFont(font);
  edit1_->installEventFilter(this);
  setColor(sob::ColorTarget::Input, sob::kSilver);

  auto makeButton = [&](const char* name, const QString& caption, int left, int width, const QString& hint) {
    auto* button = new QToolButton(tabControl2_);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(left, 5, width, 22);
    button->setEnabled(false);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(hint);
    return button;
  };
  speedButton2_ = makeButton("SpeedButton2", QStringLiteral("<"), 426, 27,
                             QStringLiteral("Отмена (Альтернатива клавиша: <Ctrl + Z>)"));
  speedButton3_ = makeButton("SpeedButton3", QStringLiteral("E/R"), 453, 43,
                             QStringLiteral("Раскладка (Альтернатива клавиша: <Ctrl + S>)"));
  speedButton1_ = makeButton("SpeedButton1", QStringLiteral("Сказать"), 496, 86,
                             QStringLiteral("Кнопка отправки текста (Альтернатива клавиша: <INSERT>)"));
  setColor(sob::ColorTarget::UndoButton, sob::kBlack);
}

QAction* TForm1::addItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

QAction* TForm1::addSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QString::fromLatin1(name));
  return separator;
}

// A separator line in the menu whose only use is its shortcut key: the key
// works from anywhere in the window, the input line included, while the
// item is enabled (Insert and Ctrl+Z follow the refresh, Ctrl+S always is).
QAction* TForm1::addShortcutItem(QMenu* menu, const char* name, const QKeySequence& key) {
  menu->addSeparator();
  auto* item = new QAction(this);
  item->setObjectName(QString::fromLatin1(name));
  item->setShortcut(key);
  item->setShortcutContext(Qt::WindowShortcut);
  addAction(item);
  return item;
}

void TForm1::createMenu() {
  QMenuBar* bar = menuBar();
  auto submenu = [&](QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
  };
  QMenu* system = submenu(nullptr, "N1", QStringLiteral("&Система"));
  addItem(system, "N2", QStringLiteral("&Новый диалог"));
  addSeparator(system, "N23");
  addItem(system, "N22", QStringLiteral("&Вызвать виртуальную клавиатуру"));
  QMenu* about = submenu(system, "N17", QStringLiteral("&Подробнее о базе:"));
  addItem(about, "N18", QStringLiteral("&Входящие выражения:"));
  addItem(about, "N19", QStringLiteral("&Исходящие выражения:"));
  addItem(about, "N20", QStringLiteral("&Итого:"));
  addShortcutItem(system, "N3", QKeySequence(Qt::Key_Insert));
  addItem(system, "N4", QStringLiteral("В&ыход"));

  QMenu* settings = submenu(nullptr, "N5", QStringLiteral("&Настройки"));
  addItem(settings, "N6", QStringLiteral("&Цвет основного фона "));
  addItem(settings, "N21", QStringLiteral("Ц&вет фона поля вывода реплик"));
  addItem(settings, "N16", QStringLiteral("Цв&ет фона поля ввода реплик"));
  addItem(settings, "N9", QStringLiteral("Цве&т шрифтов кнопок на панели"));
  addShortcutItem(settings, "N15", QKeySequence(Qt::CTRL | Qt::Key_Z));
  QMenu* colours = submenu(settings, "N7", QStringLiteral("Цвет &реплик"));
  addItem(colours, "User1", QStringLiteral("&User"));
  addItem(colours, "Cpu1", QStringLiteral("&Cpu"));
  addItem(colours, "Mystring2", QStringLiteral("&My string"));
  addShortcutItem(settings, "N36", QKeySequence(Qt::CTRL | Qt::Key_S));
  QMenu* fonts = submenu(settings, "N10", QStringLiteral("&Параметры шрифта"));
  addItem(fonts, "User2", QStringLiteral("&User"));
  addItem(fonts, "Cpu2", QStringLiteral("&Cpu"));
  addItem(fonts, "Mystring1", QStringLiteral("&My string"));
  addSeparator(settings, "N8");
  QAction* defaults = addItem(settings, "N13", QStringLiteral("Вернуть первоначальные настройки"));
  defaults->setCheckable(true);
  defaults->setChecked(true);
  addSeparator(settings, "N14");
  QMenu* mode = submenu(settings, "N37", QStringLiteral("&Режим"));
  QAction* userMode = addItem(mode, "CpuUser1", QStringLiteral("&Cpu\\User"));
  userMode->setCheckable(true);
  userMode->setChecked(true);
  addItem(mode, "Cpu31", QStringLiteral("C&pu\\Cpu"))->setCheckable(true);
  addItem(mode, "N38", QStringLiteral("Ре&дактор"));
  addSeparator(settings, "N39");
  addItem(settings, "N40", QStringLiteral("&Full Screen"))->setCheckable(true);

  QMenu* help = submenu(nullptr, "N11", QStringLiteral("С&правка"));
  addItem(help, "N12", QStringLiteral("&О программе..."));

  for (QAction* item : findChildren<QAction*>()) {
    if (!item->objectName().isEmpty()) actions_.insert(item->objectName(), item);
  }
}

void TForm1::createStatusBar() {
  statusBar1_ = new QStatusBar(client_);
  statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
  statusBar1_->setGeometry(0, 342, 587, 19);
  statusBar1_->setSizeGripEnabled(false);
  statusBar1_->setToolTip(QStringLiteral("Индикатор"));
  statusBar1_->setCursor(Qt::WhatsThisCursor);
  const int widths[] = {130, 322, 50};
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(statusBar1_);
    panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
    panels_[i]->setMinimumWidth(widths[i]);
    statusBar1_->addWidget(panels_[i], i == 2 ? 1 : 0);
  }
  panels_[2]->setText(QStringLiteral("Режим Cpu\\User"));
}

// Throws FileError for a sound file that cannot be opened, before any timer
// has started.
void TForm1::createSounds() { sounds_ = std::make_unique<sob::SoundPlayer>(files_, this); }

void TForm1::createTimers() {
  struct Design {
    int interval;
    bool running;
  } const designs[] = {{kPollInterval, true}, {1000, true}, {1, true}, {1, false},
                       {kPollInterval, true}, {3000, false}, {1, true}, {1000, true}};
  for (int i = 0; i < 8; ++i) {
    timers_[i] = new QTimer(this);
    timers_[i]->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
    timers_[i]->setInterval(designs[i].interval);
    if (designs[i].running) timers_[i]->start();
  }
}

void TForm1::connectHandlers() {
  auto on = [this](const char* name, void (TForm1::*handler)()) {
    connect(action(name), &QAction::triggered, this, handler);
  };
  on("N2", &TForm1::N2Click);
  on("N22", &TForm1::N22Click);
  on("N3", &TForm1::N3Click);
  on("N4", &TForm1::N4Click);
  on("N6", &TForm1::N6Click);
  on("N21", &TForm1::N21Click);
  on("N16", &TForm1::N16Click);
  on("N9", &TForm1::N9Click);
  on("N15", &TForm1::N15Click);
  on("User1", &TForm1::User1Click);
  on("Cpu1", &TForm1::Cpu1Click);
  on("Mystring2", &TForm1::Mystring2Click);
  on("N36", &TForm1::N36Click);
  on("User2", &TForm1::User2Click);
  on("Cpu2", &TForm1::Cpu2Click);
  on("Mystring1", &TForm1::Mystring1Click);
  on("N13", &TForm1::N13Click);
  on("CpuUser1", &TForm1::CpuUser1Click);
  on("Cpu31", &TForm1::Cpu31Click);
  on("N38", &TForm1::N38Click);
  on("N40", &TForm1::N40Click);
  on("N12", &TForm1::N12Click);
  connect(speedButton1_, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
  connect(speedButton2_, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
  connect(speedButton3_, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
  connect(edit1_, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
  void (TForm1::*const handlers[])() = {&TForm1::Timer1Timer, &TForm1::Timer2Timer, &TForm1::Timer3Timer,
                                        &TForm1::Timer4Timer, &TForm1::Timer5Timer, &TForm1::Timer6Timer,
                                        &TForm1::Timer7Timer, &TForm1::Timer8Timer};
  for (int i = 0; i < 8; ++i) connect(timers_[i], &QTimer::timeout, this, handlers[i]);
}

void TForm1::reportError(const sob::FileError& error) { errors_->report(sob::fromCp1251(error.what())); }

bool TForm1::attempt(const std::function<void()>& step) {
  std::optional<sob::FileError> failure = failureOf(step);
  if (failure) reportError(*failure);
  return !failure;
}

bool TForm1::attemptAtStart(const std::function<void()>& step) {
  std::optional<sob::FileError> failure = failureOf(step);
  // File names are matched without regard to case: "Base\Words.dat" and
  // "Base\Words.Dat" are the same missing file.
  if (failure && !startReports_.contains(sob::fromCp1251(failure->what()), Qt::CaseInsensitive)) {
    startReports_.append(sob::fromCp1251(failure->what()));
    reportError(*failure);
  }
  return !failure;
}

void TForm1::suspendForWindow() {
  timer(1)->stop();
  setEnabled(false);
}

void TForm1::resumeAfterWindow() {
  timer(1)->start();
  setEnabled(true);
}

// The menu's shortcuts come before the input line's own use of their keys
// (Ctrl+Z would otherwise undo typing there), as long as their item is on.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit1_ && event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    QKeySequence pressed(key->keyCombination());
    for (const char* name : {"N3", "N15", "N36"}) {
      QAction* item = action(name);
      if (item->isEnabled() && item->shortcut() == pressed) {
        event->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// Closing the main window ends the program, whatever other window is open;
// the close box writes no log entry.
void TForm1::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  QApplication::quit();
}

// In the full-screen layout the status bar stays at the window's bottom.
void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (statusBar1_) statusBar1_->setGeometry(0, client_->height() - 19, client_->width(), 19);
}
