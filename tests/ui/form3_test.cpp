// The About window on the offscreen platform: opening collapsed, the
// history toggle with its file read afresh, the missing file, and the ways
// back to the main window.
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <fstream>

#include "ui_fixture.h"

using sob::testing::Program;

namespace {

// The lower edge of one of the window's two panels.
int bottomOf(TForm3& about, const char* panel) {
  return about.findChild<QFrame*>(QString::fromLatin1(panel))->geometry().bottom() + 1;
}

void writeHistory(const Program& p, const std::string& cp1251) {
  std::ofstream(p.path("ReadMe.Txt"), std::ios::binary | std::ios::trunc) << cp1251;
}

}  // namespace

class Form3Test : public QObject {
  Q_OBJECT

 private slots:
  void theWindowShowsTheVersionAndThePicture() {
    Program p;
    TForm3& a = *p.form3;
    QCOMPARE(a.windowTitle(), QStringLiteral("О программе"));
    QVERIFY(!a.isVisible());
    QCOMPARE(a.SpeedButton1()->text(), QString(26, ' ') + QStringLiteral("ВЕРСИЯ: 2.05"));
    QCOMPARE(a.Button1()->text(), QStringLiteral("История"));
    QVERIFY(!a.QRImage1()->pixmap().isNull());
    QVERIFY(a.Memo1()->isReadOnly() && a.Memo1()->toPlainText().isEmpty());
    QVERIFY(!(a.windowFlags() & Qt::WindowCloseButtonHint));
  }

  void openingDisablesTheMainWindowAndShowsTheUpperPanelOnly() {
    Program p;
    TForm1& f = *p.form1;
    TForm3& a = *p.form3;
    f.Timer1()->start();
    f.N12Click();
    QVERIFY(a.isVisible() && a.isEnabled());
    QVERIFY(!f.isEnabled() && !f.Timer1()->isActive());
    QCOMPARE(a.designHeight(), 179);
    QCOMPARE(a.height(), bottomOf(a, "TabControl1"));
  }

  // 179 → 327 → 179, and the file is read at every click, collapsing too.
  void theHistoryTogglesAndIsReadAfresh() {
    Program p;
    TForm3& a = *p.form3;
    p.form1->N12Click();
    writeHistory(p, "\xC8\xF1\xF2\xEE\xF0\xE8\xFF\r\n\xE2\xE5\xF0\xF1\xE8\xE9\r\n");  // История / версий
    a.Button1Click();
    QCOMPARE(a.designHeight(), 327);
    QCOMPARE(a.height(), bottomOf(a, "TabControl2"));
    QCOMPARE(a.Memo1()->toPlainText(), QStringLiteral("История\nверсий\n"));
    writeHistory(p, "2.05\r\n");
    a.Button1Click();
    QCOMPARE(a.designHeight(), 179);
    QCOMPARE(a.height(), bottomOf(a, "TabControl1"));
    QCOMPARE(a.Memo1()->toPlainText(), QStringLiteral("2.05\n"));
  }

  void aMissingHistoryIsReportedAndChangesNothing() {
    Program p;
    TForm3& a = *p.form3;
    p.form1->N12Click();
    std::filesystem::remove(p.path("ReadMe.Txt"));
    a.Button1Click();
    QCOMPARE(p.form1->errors().shownText(), QStringLiteral("Cannot open file ReadMe.Txt"));
    QCOMPARE(a.designHeight(), 179);
    QVERIFY(a.Memo1()->toPlainText().isEmpty());
    QVERIFY(a.isVisible());
    auto* report = p.form1->findChild<QMessageBox*>(QStringLiteral("ErrorReport"));
    QVERIFY(report && report->isEnabled());  // it can be closed while the main window is off
  }

  void aWindowClosedExpandedOpensCollapsed_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("version button") << "button";
    QTest::newRow("window manager") << "close";
  }
  void aWindowClosedExpandedOpensCollapsed() {
    QFETCH(QString, how);
    Program p;
    TForm1& f = *p.form1;
    TForm3& a = *p.form3;
    f.N12Click();
    a.Button1Click();
    if (how == "button") {
      a.SpeedButton1()->click();
    } else {
      a.close();
    }
    QVERIFY(!a.isVisible() && f.isEnabled() && f.Timer1()->isActive());
    f.N12Click();
    QCOMPARE(a.designHeight(), 179);
    QVERIFY(!a.Memo1()->toPlainText().isEmpty());  // the memo keeps what it read
  }

  // The picture and "История" lie over the version button: a click on them
  // does not reach it, a click on the rest of the panel does.
  void onlyTheVersionButtonCloses() {
    Program p;
    TForm3& a = *p.form3;
    p.form1->N12Click();
    QCOMPARE(a.childAt(a.QRImage1()->geometry().center()), a.QRImage1());
    QCOMPARE(a.childAt(a.Button1()->geometry().center()), a.Button1());
    QCOMPARE(a.childAt(QPoint(300, 40)), a.SpeedButton1());
    QTest::mouseClick(a.QRImage1(), Qt::LeftButton);
    QVERIFY(a.isVisible());
    QTest::mouseClick(a.SpeedButton1(), Qt::LeftButton, {}, QPoint(300, 40));
    QVERIFY(!a.isVisible());
  }

  void theFactoryDefaultsCollapseTheHiddenWindow() {
    Program p;
    TForm3& a = *p.form3;
    p.form1->N12Click();
    a.Button1Click();
    a.SpeedButton1Click();
    p.form1->N13Click();
    QCOMPARE(a.designHeight(), 179);
    QVERIFY(!a.isVisible());
  }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
