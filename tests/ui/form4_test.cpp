// The virtual keyboard on the offscreen platform: its 65 keys, Caps Lock,
// Backspace, Enter with the main window disabled, and the ways back.
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolButton>

#include "app/sound_player.h"
#include "ui_fixture.h"

using sob::testing::Program;

namespace {

QToolButton* keyNumber(TForm4& keyboard, int number) {
  return keyboard.key(QStringLiteral("SpeedButton%1").arg(number).toLatin1().constData());
}

struct CharacterKey {
  int number;
  QString caption;
  QString capsOff, capsOn;  // what it appends
};

// The keys and what they append, written down from the keyboard's rows.
QList<CharacterKey> characterKeys() {
  QList<CharacterKey> keys;
  auto signs = [&](const QList<int>& numbers, const QString& characters) {
    for (int i = 0; i < numbers.size(); ++i) {
      QString c = characters.mid(i, 1);
      keys.append({numbers[i], c == "&" ? QStringLiteral("&&") : c, c, c});
    }
  };
  signs({3, 4, 5, 6, 7, 8, 13, 14, 15, 16, 17, 18, 19, 20, 21, 64, 65}, QStringLiteral("@#$%&*+=\\|/[]{}~`"));
  signs({28, 27, 2, 22, 9, 10, 11, 12, 24, 25, 26}, QStringLiteral(",.!?()-:\"<>"));
  const QString capitals = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
  for (int i = 0; i < capitals.size(); ++i) {
    QString capital = capitals.mid(i, 1);
    keys.append({29 + i, capital, capital.toLower(), capital});
  }
  keys.append({23, QStringLiteral("Пробел"), QStringLiteral(" "), QStringLiteral(" ")});
  return keys;
}

}  // namespace

class Form4Test : public QObject {
  Q_OBJECT

 private slots:
  void theWindowHasItsCaptionMenuAndGroups() {
    Program p;
    TForm4& k = *p.form4;
    QCOMPARE(k.windowTitle(), QStringLiteral("Виртуальная клавиатура"));
    QVERIFY(!k.isVisible());
    QCOMPARE(k.findChild<QAction*>("N1")->text(), QStringLiteral("&Система"));
    QCOMPARE(k.findChild<QAction*>("N2")->text(), QStringLiteral("С&крыть виртуальную клавиатуру"));
    QStringList groups;
    for (auto* box : k.findChildren<QGroupBox*>()) groups << box->title();
    QCOMPARE(groups, QStringList({"Знаки:", "Буквы:"}));
    QVERIFY(!(k.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(k.capsLock(), 0);
    QCOMPARE(keyNumber(k, 63)->text(), QStringLiteral("Caps Lock [не нажат]"));
    QCOMPARE(keyNumber(k, 62)->text(), QStringLiteral("Bcksp"));
    QCOMPARE(keyNumber(k, 66)->text(), QStringLiteral("[Enter]"));
    int keys = 0;
    for (int n = 2; n <= 66; ++n) keys += keyNumber(k, n) != nullptr;
    QCOMPARE(keys, 65);
  }

  // Every character key in both Caps Lock states: letters follow the
  // state, signs and the space do not.
  void everyKeyAppendsItsCharacter() {
    Program p;
    TForm4& k = *p.form4;
    p.form1->N22Click();
    for (const CharacterKey& key : characterKeys()) {
      QToolButton* button = keyNumber(k, key.number);
      QVERIFY2(button, qPrintable(key.caption));
      QCOMPARE(button->text(), key.caption);
      for (int caps = 0; caps < 2; ++caps) {
        p.type(QStringLiteral("x"));
        button->click();
        QCOMPARE(p.form1->Edit1()->text(), "x" + (caps == 0 ? key.capsOff : key.capsOn));
        k.SpeedButton63Click();
      }
    }
  }

  void capsLockTogglesItsCaptionAndSurvivesHiding() {
    Program p;
    TForm4& k = *p.form4;
    p.form1->N22Click();
    k.SpeedButton63Click();
    QCOMPARE(k.capsLock(), 1);
    QCOMPARE(keyNumber(k, 63)->text(), QStringLiteral("Caps Lock [нажат]"));
    k.N2Click();
    p.form1->N22Click();
    QCOMPARE(keyNumber(k, 63)->text(), QStringLiteral("Caps Lock [нажат]"));
    keyNumber(k, 29)->click();
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("А"));
    QCOMPARE(keyNumber(k, 29)->text(), QStringLiteral("А"));  // captions never change
    k.SpeedButton63Click();
    QCOMPARE(keyNumber(k, 63)->text(), QStringLiteral("Caps Lock [не нажат]"));
    keyNumber(k, 29)->click();
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("Аа"));
  }

  void keysAppendAtTheEndAndSetOffTheKeyClick() {
    Program p;
    TForm4& k = *p.form4;
    p.form1->N22Click();
    p.type(QStringLiteral("ДА"));
    p.form1->Edit1()->setCursorPosition(0);
    int clicks = p.form1->sounds().timesPlayed(sob::Sound::KeyClick);
    keyNumber(k, 2)->click();  // !
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("ДА!"));
    QCOMPARE(p.form1->sounds().timesPlayed(sob::Sound::KeyClick), clicks + 1);
  }

  void backspaceTakesTheLastCharacter() {
    Program p;
    TForm4& k = *p.form4;
    p.type(QStringLiteral("ДА"));
    for (const QString& expected : {QStringLiteral("Д"), QString(), QString()}) {
      k.SpeedButton62Click();
      QCOMPARE(p.form1->Edit1()->text(), expected);
    }
  }

  // The line's length limit holds typing only; it is back once the line
  // fits in it again.
  void keysGoBeyondTheTypingLimit() {
    Program p;
    TForm4& k = *p.form4;
    QLineEdit* line = p.form1->Edit1();
    p.type(QString(255, QChar(u'а')));
    keyNumber(k, 29)->click();
    QCOMPARE(line->text().size(), 256);
    line->clear();
    QCOMPARE(line->maxLength(), 255);
  }

  void theRefreshFollowsTheInputLine() {
    Program p;
    TForm4& k = *p.form4;
    k.Timer1Timer();
    QVERIFY(!keyNumber(k, 62)->isEnabled() && !keyNumber(k, 66)->isEnabled());
    keyNumber(k, 31)->click();
    QVERIFY(!keyNumber(k, 62)->isEnabled());  // not before the next tick
    k.Timer1Timer();
    QVERIFY(keyNumber(k, 62)->isEnabled() && keyNumber(k, 66)->isEnabled());
    k.SpeedButton62Click();
    k.Timer1Timer();
    QVERIFY(!keyNumber(k, 62)->isEnabled() && !keyNumber(k, 66)->isEnabled());
  }

  void showingDisablesTheMainWindowAndStopsItsRefresh() {
    Program p;
    TForm1& f = *p.form1;
    f.Timer1()->start();
    f.N22Click();
    QVERIFY(p.form4->isVisible() && p.form4->isEnabled());
    QVERIFY(!f.isEnabled() && !f.Timer1()->isActive());
    QVERIFY(p.form4->Timer1()->isActive());
  }

  void enterRunsATurnAlthoughTheMainWindowIsDisabled() {
    Program p;
    TForm1& f = *p.form1;
    TForm4& k = *p.form4;
    f.N22Click();
    for (int n : {45, 46, 38, 31, 34, 48}) keyNumber(k, n)->click();  // привет
    QVERIFY(!f.isEnabled() && !f.SpeedButton1()->isEnabled());
    k.Timer1Timer();
    keyNumber(k, 66)->click();
    QCOMPARE(p.transcript(), QStringList({"Привет.", "Привет!"}));
    QVERIFY(f.Edit1()->text().isEmpty());
  }

  void aFarewellSwitchesEnterOff() {
    Program p;
    TForm4& k = *p.form4;
    p.form1->N22Click();
    p.type(QStringLiteral("пока"));
    k.Timer1Timer();
    k.SpeedButton66Click();
    QVERIFY(!keyNumber(k, 66)->isEnabled());
    QVERIFY(p.form1->Timer4()->isActive());
  }

  void hidingGivesTheMainWindowBack_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("menu item") << "N2";
    QTest::newRow("window manager") << "close";
  }
  void hidingGivesTheMainWindowBack() {
    QFETCH(QString, how);
    Program p;
    TForm1& f = *p.form1;
    TForm4& k = *p.form4;
    f.N22Click();
    if (how == "N2") {
      k.findChild<QAction*>("N2")->trigger();
    } else {
      k.close();
    }
    QVERIFY(!k.isVisible() && !k.Timer1()->isActive());
    QVERIFY(f.isEnabled() && f.Timer1()->isActive());
  }

  // A close that reaches the hidden keyboard (the program ending) leaves a
  // main window that another window disabled as it is.
  void closingTheHiddenKeyboardLeavesTheMainWindowAlone() {
    Program p;
    p.form1->N12Click();
    p.form4->close();
    QVERIFY(!p.form1->isEnabled() && p.form3->isVisible());
  }
};

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
