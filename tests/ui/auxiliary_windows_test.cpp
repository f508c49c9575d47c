#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>

#include "ui_fixture.h"

using sob::testing::Program;

class AuxiliaryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void theEditorDisablesTheMainWindowUntilEitherButton() {
    Program p;
    TForm1& f = *p.form1;
    f.timer(1)->start();
    f.N38Click();
    QVERIFY(p.form2->isVisible());
    QVERIFY(!f.isEnabled() && !f.timer(1)->isActive());
    QVERIFY(p.form2->Timer1()->isActive());
    p.form2->Edit1()->setText(QStringLiteral("/tmp/x.txt"));
    p.form2->Edit1()->setText(QStringLiteral("/tmp/x🙂.txt"));
    QVERIFY(!f.action("N13")->isChecked());
    p.form2->Button2Click();
    QVERIFY(!p.form2->isVisible() && f.isEnabled() && f.timer(1)->isActive());
    QCOMPARE(QString::fromStdString(p.form2->selfTalkPath()), QStringLiteral("/tmp/x.txt"));
    f.N38Click();
    p.form2->close();  // the window manager's close
    QVERIFY(f.isEnabled());
  }

  void theFocusHopLandsOnOneOfTheTwoFields() {
    Program p;
    p.form1->N38Click();
    p.form2->Timer1Timer();
    QCOMPARE(p.form2->focusWidget(), p.form2->SpinEdit1());  // the last of six choices is odd
  }

  void keyboardKeysAppendToTheInputLine() {
    Program p;
    TForm4& k = *p.form4;
    p.form1->N22Click();
    QVERIFY(k.isVisible() && !p.form1->isEnabled());
    k.key("SpeedButton29")->click();  // А
    k.SpeedButton63Click();           // Caps Lock on
    QCOMPARE(k.key("SpeedButton63")->text(), QStringLiteral("Caps Lock [нажат]"));
    k.key("SpeedButton29")->click();
    k.key("SpeedButton7")->click();   // &
    k.SpeedButton23Click();
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("аА& "));
    QCOMPARE(k.key("SpeedButton7")->text(), QStringLiteral("&&"));
    k.SpeedButton62Click();
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("аА&"));
    k.SpeedButton63Click();
    QCOMPARE(k.key("SpeedButton63")->text(), QStringLiteral("Caps Lock [не нажат]"));
    int keys = 0;
    for (int n = 2; n <= 66; ++n) keys += k.key(QStringLiteral("SpeedButton%1").arg(n).toLatin1().constData()) != nullptr;
    QCOMPARE(keys, 65);
  }

  void keyboardEnterRunsATurnWhileTheMainWindowIsDisabled() {
    Program p;
    TForm4& k = *p.form4;
    p.form1->N22Click();
    p.type(QStringLiteral("привет"));
    k.Timer1Timer();
    QVERIFY(k.key("SpeedButton66")->isEnabled());
    k.SpeedButton66Click();
    QCOMPARE(p.transcript(), QStringList({"Привет.", "Привет!"}));
    k.Timer1Timer();
    QVERIFY(!k.key("SpeedButton66")->isEnabled() && !k.key("SpeedButton62")->isEnabled());
    k.close();  // the window manager's close hides it like its menu item
    QVERIFY(p.form1->isEnabled() && !k.isVisible());
  }

  void aboutTogglesItsHistoryAndReadsItAfresh() {
    Program p;
    TForm3& a = *p.form3;
    p.form1->N12Click();
    QCOMPARE(a.designHeight(), 179);
    int collapsed = a.height();
    a.Button1Click();
    QCOMPARE(a.designHeight(), 327);
    QVERIFY(a.height() > collapsed);
    QVERIFY(a.Memo1()->toPlainText().startsWith(QStringLiteral("СОБЕСЕДНИК")));
    std::filesystem::remove(p.path("ReadMe.Txt"));
    a.Button1Click();
    QCOMPARE(a.designHeight(), 327);
    QCOMPARE(p.form1->errors().shownText(), QStringLiteral("Cannot open file ReadMe.Txt"));
    a.SpeedButton1Click();
    QVERIFY(!a.isVisible() && p.form1->isEnabled());
    p.form1->N12Click();
    QCOMPARE(a.designHeight(), 179);
    QCOMPARE(a.height(), collapsed);
  }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "auxiliary_windows_test.moc"
