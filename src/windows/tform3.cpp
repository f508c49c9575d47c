#include "tform3.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/error_reporter.h"
#include "app/qt_text.h"
#include "app/tform1.h"
#include "app/window_placement.h"

namespace {
constexpr int kUpperPanelHeight = 153;
constexpr int kBothPanelsHeight = 151 + 148;
}  // namespace

// The picture lives in the program's resources, linked from a static library.
static void loadPictureResource() { Q_INIT_RESOURCE(about); }

TForm3::TForm3(TForm1& form1) : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
                                form1_(form1) {
  loadPictureResource();
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("О программе"));
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  auto* upper = new QFrame(this);
  upper->setObjectName(QStringLiteral("TabControl1"));
  upper->setGeometry(0, 0, 377, kUpperPanelHeight);
  auto* bevel = new QFrame(upper);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameShape(QFrame::Box);
  bevel->setGeometry(3, 4, 371, 145);

  speedButton1_ = new QToolButton(upper);
  speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  speedButton1_->setAutoRaise(true);
  speedButton1_->setGeometry(4, 5, 369, 142);
  speedButton1_->setText(QString(26, QLatin1Char(' ')) + QStringLiteral("ВЕРСИЯ: 2.05"));
  QFont versionFont(QStringLiteral("Arial Black"));
  versionFont.setPixelSize(19);
  versionFont.setBold(true);
  speedButton1_->setFont(versionFont);
  QPalette yellow = speedButton1_->palette();
  yellow.setColor(QPalette::ButtonText, Qt::yellow);
  speedButton1_->setPalette(yellow);
  speedButton1_->setCursor(Qt::PointingHandCursor);

  qrImage1_ = new QLabel(upper);
  qrImage1_->setObjectName(QStringLiteral("QRImage1"));
  qrImage1_->setGeometry(4, 5, 178, 137);
  qrImage1_->setPixmap(QPixmap(QStringLiteral(":/about.png")));
  qrImage1_->setScaledContents(true);

  button1_ = new QPushButton(QStringLiteral("История"), upper);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(377 - 179 - 5, kUpperPanelHeight - 25 - 6, 179, 25);
  button1_->setCursor(Qt::PointingHandCursor);

  lowerPanel_ = new QFrame(this);
  lowerPanel_->setObjectName(QStringLiteral("TabControl2"));
  lowerPanel_->setGeometry(0, 151, 376, 148);
  memo1_ = new QPlainTextEdit(lowerPanel_);
  memo1_->setObjectName(QStringLiteral("Memo1"));
  memo1_->setGeometry(3, 4, 370, 140);
  memo1_->setReadOnly(true);
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont courier(QStringLiteral("Courier New"));
  courier.setPixelSize(11);
  memo1_->setFont(courier);
  QPalette silver = memo1_->palette();
  silver.setColor(QPalette::Base, QColor(192, 192, 192));
  memo1_->setPalette(silver);
  memo1_->viewport()->setCursor(Qt::ForbiddenCursor);

  connect(speedButton1_, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
  connect(button1_, &QPushButton::clicked, this, &TForm3::Button1Click);
  setDesignHeight(kCollapsedHeight);
}

void TForm3::open() {
  setDesignHeight(kCollapsedHeight);
  sob::showAuxiliaryWindow(this);
}

void TForm3::collapse() { setDesignHeight(kCollapsedHeight); }

// Collapsed, the window shows exactly its upper panel; expanded, both.
// Heights other than the two (which the toggle never leaves) show both.
void TForm3::setDesignHeight(int height) {
  designHeight_ = height;
  setFixedSize(377, height == kCollapsedHeight ? kUpperPanelHeight : kBothPanelsHeight);
}

void TForm3::SpeedButton1Click() {
  form1_.resumeAfterWindow();
  hide();
}

// The history is read afresh at every click, collapsing included.
void TForm3::Button1Click() {
  sob::LineList history(sob::ListKind::Plain);
  try {
    form1_.files().load(history, "ReadMe.Txt");
  } catch (const sob::FileError& error) {
    form1_.errors().report(sob::fromCp1251(error.what()));
    return;
  }
  memo1_->setPlainText(sob::fromCp1251(history.wholeText()));
  int height = designHeight_ + 1;
  if (height == kCollapsedHeight + 1) height = kExpandedHeight;
  if (height == kExpandedHeight + 1) height = kCollapsedHeight;
  setDesignHeight(height);
}

void TForm3::closeEvent(QCloseEvent* event) {
  SpeedButton1Click();
  event->accept();
}
