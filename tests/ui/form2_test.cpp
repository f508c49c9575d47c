// "Редактор", the self-talk settings window, on the offscreen platform.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui_fixture.h"

using sob::testing::Program;

namespace {

template <typename T>
T* part(TForm2& form, const char* name) {
  T* widget = form.findChild<T*>(QString::fromLatin1(name));
  if (!widget) qFatal("no %s in the editor", name);
  return widget;
}

// The text line inside the spin field, where the user types.
QLineEdit* typedInterval(TForm2& form) { return form.SpinEdit1()->findChild<QLineEdit*>(); }

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void isLaidOutAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Bevel1") << "Bevel1" << "Form2" << QRect(0, 1, 305, 104);
    QTest::newRow("GroupBox1") << "GroupBox1" << "Form2" << QRect(8, 8, 185, 57);
    QTest::newRow("Edit1") << "Edit1" << "GroupBox1" << QRect(8, 24, 169, 21);
    QTest::newRow("GroupBox2") << "GroupBox2" << "Form2" << QRect(200, 8, 97, 57);
    QTest::newRow("SpinEdit1") << "SpinEdit1" << "GroupBox2" << QRect(8, 24, 81, 22);
    QTest::newRow("Button1") << "Button1" << "Form2" << QRect(72, 72, 75, 25);
    QTest::newRow("Button2") << "Button2" << "Form2" << QRect(157, 72, 75, 25);
  }
  void isLaidOutAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    Program p;
    auto* control = p.form2->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
  }

  void startsHiddenWithTheDesignValues() {
    Program p;
    TForm2& e = *p.form2;
    QVERIFY(!e.isVisible());
    QCOMPARE(e.windowTitle(), QStringLiteral("Редактор"));
    QCOMPARE(e.size(), QSize(305, 105));
    QVERIFY(!(e.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(part<QGroupBox>(e, "GroupBox1")->title(), QStringLiteral("Путь файла:"));
    QCOMPARE(part<QGroupBox>(e, "GroupBox2")->title(), QStringLiteral("Интервал (сек.):"));
    QCOMPARE(part<QPushButton>(e, "Button1")->text(), QStringLiteral("Хорошо"));
    QCOMPARE(part<QPushButton>(e, "Button2")->text(), QStringLiteral("Отмена"));
    QCOMPARE(e.Edit1()->text(), QStringLiteral("D:\\Txt.Dat"));
    QCOMPARE(e.selfTalkPath(), std::string("D:\\Txt.Dat"));
    QCOMPARE(e.SpinEdit1()->minimum(), 1);
    QCOMPARE(e.SpinEdit1()->maximum(), 60000);
    QCOMPARE(e.selfTalkInterval(), 1000);
    QCOMPARE(e.Timer1()->interval(), 2000);
    QVERIFY(!e.Timer1()->isActive());
  }

  void tabGoesPathIntervalButtons() {
    Program p;
    TForm2& e = *p.form2;
    p.form1->N38Click();
    QVERIFY(QTest::qWaitForWindowActive(&e));
    e.Timer1()->stop();
    e.Edit1()->setFocus();
    QList<QWidget*> order;
    for (int step = 0; step < 4; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << QApplication::focusWidget();
    }
    QCOMPARE(order, (QList<QWidget*>{e.SpinEdit1(), part<QPushButton>(e, "Button1"), part<QPushButton>(e, "Button2"),
                                     e.Edit1()}));
  }

  // The window takes over from the main window, and each way out gives it
  // back: either button or the window manager's close. None of them undoes
  // an edit: the fields are live.
  void everyWayOutGivesTheMainWindowBack_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Хорошо") << "Button1";
    QTest::newRow("Отмена") << "Button2";
    QTest::newRow("window manager") << "close";
  }
  void everyWayOutGivesTheMainWindowBack() {
    QFETCH(QString, way);
    Program p;
    TForm1& f = *p.form1;
    TForm2& e = *p.form2;
    f.Timer1()->start();
    f.N38Click();
    QVERIFY(e.isVisible() && e.isEnabled() && e.Timer1()->isActive());
    QVERIFY(!f.isEnabled() && !f.Timer1()->isActive());
    e.Edit1()->setText(QStringLiteral("/tmp/talk.txt"));
    if (way == "close") e.close();
    else part<QPushButton>(e, way.toLatin1().constData())->click();
    QVERIFY(!e.isVisible() && !e.Timer1()->isActive());
    QVERIFY(f.isEnabled() && f.Timer1()->isActive());
    QCOMPARE(e.selfTalkPath(), std::string("/tmp/talk.txt"));
  }

  void aCloseThatReachesTheHiddenWindowLeavesTheMainWindowAlone() {
    Program p;
    p.form2->close();
    QVERIFY(!p.form1->Timer1()->isActive());
  }

  void theFocusHopsToAFieldAndSelectsItsText() {
    Program p;
    TForm2& e = *p.form2;
    p.form1->N38Click();
    e.Edit1()->setFocus();
    e.Timer1Timer();  // the fixture's random source always draws 5: odd
    QCOMPARE(e.focusWidget(), e.SpinEdit1());
    QCOMPARE(typedInterval(e)->selectedText(), QStringLiteral("1000"));
  }

  // Text that is not a whole number reads as 1, and leaving the field puts
  // a value out of range back to the nearer bound.
  void theIntervalNeverGoesBelowOne() {
    Program p;
    TForm2& e = *p.form2;
    p.form1->N38Click();
    QVERIFY(QTest::qWaitForWindowActive(&e));
    e.Timer1()->stop();
    e.SpinEdit1()->setFocus();
    typedInterval(e)->selectAll();
    QTest::keyClick(typedInterval(e), Qt::Key_Backspace);
    QCOMPARE(e.selfTalkInterval(), 1);
    QTest::keyClicks(typedInterval(e), QStringLiteral("0"));
    QCOMPARE(e.SpinEdit1()->text(), QStringLiteral("0"));
    QCOMPARE(e.selfTalkInterval(), 1);
    QTest::keyClick(typedInterval(e), Qt::Key_Tab);
    QCOMPARE(e.SpinEdit1()->value(), 1);
    QCOMPARE(e.SpinEdit1()->text(), QStringLiteral("1"));
  }

  void editsClearTheDefaultsMarkButTheRestoreKeepsIt() {
    Program p;
    TForm1& f = *p.form1;
    TForm2& e = *p.form2;
    e.Edit1()->setText(QStringLiteral("talk.txt"));
    QVERIFY(!f.N13()->isChecked());
    f.setDefaultsMark(true);
    e.SpinEdit1()->setValue(250);
    QVERIFY(!f.N13()->isChecked());
    f.setDefaultsMark(true);
    e.restoreDefaults();
    QVERIFY(f.N13()->isChecked());
    QCOMPARE(e.selfTalkPath(), std::string("D:\\Txt.Dat"));
    QCOMPARE(e.selfTalkInterval(), 1000);
  }

  // The self-talk file is read and written in Windows-1251, so the path
  // field takes back a character that code page cannot hold.
  void thePathRefusesCharactersWindows1251CannotHold() {
    Program p;
    TForm2& e = *p.form2;
    e.Edit1()->setText(QStringLiteral("/tmp/беседа.txt"));
    e.Edit1()->setText(QStringLiteral("/tmp/беседа🙂.txt"));
    QCOMPARE(e.Edit1()->text(), QStringLiteral("/tmp/беседа.txt"));
    QCOMPARE(sob::fromCp1251(e.selfTalkPath()), QStringLiteral("/tmp/беседа.txt"));
  }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
