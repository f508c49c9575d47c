#include "tform3.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/qt_text.h"
#include "app/tform1.h"
#include "app/window_placement.h"
#include "engine/line_list.h"

namespace {

constexpr int kWidth = 377;
constexpr int kUpperPanelHeight = 153;
constexpr int kLowerPanelTop = 151;
constexpr int kBothPanelsHeight = kLowerPanelTop + 148;

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(role, color);
  widget->setPalette(palette);
}

}  // namespace

// The picture lives in the program's resources, linked from a static library.
static void loadPictureResource() { Q_INIT_RESOURCE(about); }

TForm3::TForm3(TForm1& form1)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), form1_(form1) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("О программе"));
  paint(this, QPalette::Window, Qt::black);
  setAutoFillBackground(true);
  createUpperPanel();
  createLowerPanel();
  connect(speedButton1_, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
  connect(button1_, &QPushButton::clicked, this, &TForm3::Button1Click);
  setDesignHeight(kCollapsedHeight);
}

// The picture and "История" lie over the version button, which covers the
// rest of the panel: a click on them does not close the window.
void TForm3::createUpperPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TabControl1"));
  panel->setGeometry(0, 0, kWidth, kUpperPanelHeight);
  auto* bevel = new QFrame(panel);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameShape(QFrame::Box);
  bevel->setGeometry(3, 4, 371, 145);

  speedButton1_ = new QToolButton(panel);
  speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  speedButton1_->setAutoRaise(true);
  speedButton1_->setGeometry(4, 5, 369, 142);
  // The spaces move the text to the right of the picture.
  speedButton1_->setText(QString(26, QLatin1Char(' ')) + QStringLiteral("ВЕРСИЯ: 2.05"));
  QFont versionFont(QStringLiteral("Arial Black"));
  versionFont.setPixelSize(19);
  versionFont.setBold(true);
  speedButton1_->setFont(versionFont);
  paint(speedButton1_, QPalette::ButtonText, Qt::yellow);
  speedButton1_->setCursor(Qt::PointingHandCursor);

  loadPictureResource();
  qrImage1_ = new QLabel(panel);
  qrImage1_->setObjectName(QStringLiteral("QRImage1"));
  qrImage1_->setGeometry(4, 5, 178, 137);
  qrImage1_->setPixmap(QPixmap(QStringLiteral(":/about.png")));
  qrImage1_->setScaledContents(true);

  button1_ = new QPushButton(QStringLiteral("История"), panel);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(kWidth - 179 - 5, kUpperPanelHeight - 25 - 6, 179, 25);
  button1_->setCursor(Qt::PointingHandCursor);
}

void TForm3::createLowerPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TabControl2"));
  panel->setGeometry(0, kLowerPanelTop, 376, 148);
  memo1_ = new QPlainTextEdit(panel);
  memo1_->setObjectName(QStringLiteral("Memo1"));
  memo1_->setGeometry(3, 4, 370, 140);
  memo1_->setReadOnly(true);
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont courier(QStringLiteral("Courier New"));
  courier.setPixelSize(11);
  memo1_->setFont(courier);
  paint(memo1_, QPalette::Base, QColor(192, 192, 192));
  memo1_->viewport()->setCursor(Qt::ForbiddenCursor);
}

void TForm3::open() {
  setDesignHeight(kCollapsedHeight);
  sob::showAuxiliaryWindow(this);
}

void TForm3::collapse() { setDesignHeight(kCollapsedHeight); }

// The toggle counts in the heights of the window's design, 179 and 327; on
// screen the window shows exactly its upper panel when collapsed and both
// panels otherwise, whatever frame the window manager draws.
void TForm3::setDesignHeight(int height) {
  designHeight_ = height;
  setFixedSize(kWidth, height == kCollapsedHeight ? kUpperPanelHeight : kBothPanelsHeight);
}

void TForm3::SpeedButton1Click() {
  form1_.resumeAfterWindow();
  hide();
}

// The history is read afresh at every click, collapsing included; without
// it the click ends at the report and the window stays as it was.
void TForm3::Button1Click() {
  sob::LineList history(sob::ListKind::Plain);
  try {
    form1_.files().load(history, "ReadMe.Txt");
  } catch (const sob::FileError& error) {
    form1_.reportError(error);
    return;
  }
  memo1_->setPlainText(sob::fromCp1251(history.wholeText()));
  int height = designHeight_ + 1;
  if (height == kCollapsedHeight + 1) height = kExpandedHeight;
  if (height == kExpandedHeight + 1) height = kCollapsedHeight;
  setDesignHeight(height);
}

// The window manager's close does what the version button does, so the
// main window never stays disabled.
void TForm3::closeEvent(QCloseEvent* event) {
  if (isVisible()) SpeedButton1Click();
  event->accept();
}
