#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>

#include <fstream>

#include "app/sound_player.h"
#include "app/transcript_view.h"
#include "ui_fixture.h"

using sob::testing::Program;

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void refreshKeepsTheControlsInStepWithInputAndTranscript() {
    Program p;
    TForm1& f = *p.form1;
    QVERIFY(!f.SpeedButton1()->isEnabled());
    f.Timer1Timer();
    QVERIFY(!f.SpeedButton1()->isEnabled() && !f.SpeedButton3()->isEnabled() && !f.action("N3")->isEnabled());
    QVERIFY(!f.SpeedButton2()->isEnabled() && !f.action("N15")->isEnabled());
    p.type(QStringLiteral("   "));
    f.Timer1Timer();
    QVERIFY(f.SpeedButton1()->isEnabled() && f.SpeedButton3()->isEnabled() && f.action("N3")->isEnabled());
    f.dialogue().transcript.add("line");
    f.Timer1Timer();
    QVERIFY(f.SpeedButton2()->isEnabled() && f.action("N15")->isEnabled());
  }

  void loadingAndStatisticsShowTheCountsOnce() {
    Program p;
    TForm1& f = *p.form1;
    f.Timer3Timer();
    QCOMPARE(f.statusPanel(0)->text(), QStringLiteral("Загрузка окончена"));
    QCOMPARE(f.statusPanel(1)->text(), QStringLiteral("Программе известно:   [главные фразы - 4   ветки - 2]"));
    QVERIFY(!f.timer(3)->isActive());
    f.Timer8Timer();
    QCOMPARE(f.action("N18")->text(), QStringLiteral("&Входящие выражения: [6]"));
    QCOMPARE(f.action("N19")->text(), QStringLiteral("&Исходящие выражения: [15]"));
    QCOMPARE(f.action("N20")->text(), QStringLiteral("&Итого: [21]"));
    QVERIFY(!f.timer(8)->isActive());
  }

  // The creation, the loading and the statistics all meet a phrase base
  // missing at start: one report, also once the user has closed it.
  void aMissingFileAtStartIsReportedOnce() {
    Program p;
    std::filesystem::remove(p.path("Base/Words.Dat"));
    TForm1& f = *p.form1;
    f.FormCreate();
    QCOMPARE(f.errors().shownText(), QStringLiteral("Cannot open file Base\\Words.dat"));
    f.errors().dismiss();
    f.Timer3()->start();
    f.Timer3Timer();
    f.Timer8Timer();
    QVERIFY(!f.errors().isShowing());
    QVERIFY(!f.Timer3()->isActive() && !f.Timer8()->isActive());
    QCOMPARE(f.statusPanel(0)->text(), QStringLiteral("Загрузка не удалась"));
    QVERIFY(!f.Edit1()->isReadOnly());
    QCOMPARE(f.N18()->text(), QStringLiteral("&Входящие выражения:"));
  }

  void aMissingReplyFileIsReportedByTheStatistics() {
    Program p;
    std::filesystem::remove(p.path("Base/X.Dat"));
    TForm1& f = *p.form1;
    f.Timer3Timer();
    QVERIFY(!f.errors().isShowing());
    f.Timer8Timer();
    QCOMPARE(f.errors().shownText(), QStringLiteral("Cannot open file Base\\X.Dat"));
  }

  void exitAppendsTheSessionToTheLog_data() {
    QTest::addColumn<QStringList>("phrases");
    QTest::addColumn<QStringList>("sessionLines");
    QTest::newRow("empty session") << QStringList() << QStringList();
    QTest::newRow("two turns") << QStringList({"привет", "как дела?"})
                               << QStringList({"USER:     Привет.", "CPU:     Привет!", "USER:     Как дела?",
                                               "CPU:     А у тебя?"});
  }

  void exitAppendsTheSessionToTheLog() {
    QFETCH(QStringList, phrases);
    QFETCH(QStringList, sessionLines);
    Program p;
    TForm1& f = *p.form1;
    f.show();
    QStringList before = p.fileLines("Base\\Log.Tambrel");
    for (const QString& phrase : phrases) p.say(phrase);
    f.N4Click();
    QStringList entry = p.fileLines("Base\\Log.Tambrel").mid(before.size());
    QCOMPARE(entry.size(), 7 + sessionLines.size());
    QCOMPARE(entry.first(), QString());
    QCOMPARE(entry.at(1), QString(80, '-'));
    QVERIFY(entry.at(3).startsWith(QString(22, ' ') + "Дата - "));
    QVERIFY(entry.at(5).startsWith("//Загружено фраз выученных программой: "));
    QCOMPARE(entry.mid(6, sessionLines.size()), sessionLines);
    QCOMPARE(entry.last(), QString(53, '='));
    QVERIFY(!f.isVisible());
  }

  // Insert, Ctrl+Z and Ctrl+S come before the input line's own use of the
  // keys, and work only while their item is enabled: Insert does nothing
  // while the refresh has found the input line empty.
  void theShortcutsWorkFromTheInputLine() {
    Program p;
    TForm1& f = *p.form1;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.Edit1()->setFocus();
    f.Timer1Timer();
    QTest::keyClick(f.Edit1(), Qt::Key_Insert);
    QCOMPARE(f.dialogue().transcript.count(), 0);
    QTest::keyClicks(f.Edit1(), QStringLiteral("ghbdtn"));
    QTest::keyClick(f.Edit1(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.Edit1()->text(), QStringLiteral("привет"));
    QTest::keyClick(f.Edit1(), Qt::Key_Insert);  // N3 stays off until the next refresh
    QCOMPARE(f.dialogue().transcript.count(), 0);
    f.Timer1Timer();
    QTest::keyClick(f.Edit1(), Qt::Key_Insert);
    QCOMPARE(p.transcript(), QStringList({"Привет.", "Привет!"}));
    QCOMPARE(f.RichEdit1()->shownLines(), 2);
    QVERIFY(f.Edit1()->text().isEmpty());
    QTest::keyClicks(f.Edit1(), QStringLiteral("abc"));
    f.Timer1Timer();
    QTest::keyClick(f.Edit1(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.transcript(), QStringList({"Привет."}));
    QCOMPARE(f.Edit1()->text(), QStringLiteral("abc"));
  }

  void undoAndNewDialogueTakeLinesAway() {
    Program p;
    TForm1& f = *p.form1;
    p.say(QStringLiteral("привет"));
    f.SpeedButton2Click();
    QCOMPARE(p.transcript(), QStringList({"Привет."}));
    QCOMPARE(f.dialogue().logBuffer.count(), 1);
    QVERIFY(f.timer(7)->isActive());
    f.Timer7Timer();
    QVERIFY(!f.timer(7)->isActive());
    f.N2Click();
    QCOMPARE(f.dialogue().transcript.count(), 0);
    QCOMPARE(f.RichEdit1()->shownLines(), 0);
  }

  void aFarewellClosesAfterEightySteps() {
    Program p;
    TForm1& f = *p.form1;
    f.show();
    p.say(QStringLiteral("ну пока"));
    QVERIFY(f.timer(4)->isActive());
    f.timer(4)->stop();
    for (int step = 1; step < 80; ++step) f.Timer4Timer();
    QVERIFY(f.isVisible());
    QCOMPARE(f.sounds().timesPlayed(sob::Sound::Close), 70);
    f.Timer4Timer();
    QVERIFY(!f.isVisible());
    QCOMPARE(p.fileLines("Base\\Log.Tambrel").size(), 9);
  }

  void aFailedExitDuringTheClosingIsReportedOnceAndTheWindowStays() {
    Program p;
    TForm1& f = *p.form1;
    f.show();
    std::filesystem::remove(p.path("Base/Log.Tambrel"));
    p.say(QStringLiteral("ну пока"));
    for (int step = 1; step <= 80; ++step) f.Timer4Timer();
    QVERIFY(f.isVisible());
    QVERIFY(!f.timer(4)->isActive());
    QCOMPARE(f.errors().shownText(), QStringLiteral("Cannot open file Base\\Log.Tambrel"));
    QCOMPARE(f.size(), f.sizeHint());
  }

  void inputRefusesCharactersTheKnowledgeBaseCannotHold() {
    Program p;
    p.type(QStringLiteral("привет"));
    p.type(QStringLiteral("привет 🙂"));
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("привет"));
  }

  void theGuardClearsAReservedCharacter() {
    Program p;
    TForm1& f = *p.form1;
    p.type(QStringLiteral("a;"));
    f.Timer5Timer();
    f.Timer5Timer();
    QVERIFY(f.Edit1()->text().isEmpty());
    QVERIFY(!f.RichEdit1()->isEnabled());
  }

  void idleRemarksComeInTheGeneralColour() {
    Program p;
    TForm1& f = *p.form1;
    f.dialogue().state.idleCounter = 89;
    f.Timer2Timer();
    QCOMPARE(p.transcript(), QStringList({"Ответ из Pause."}));
  }

  void selfTalkConversesThroughItsFile() {
    Program p;
    TForm1& f = *p.form1;
    std::string file = p.path("talk.txt").string();
    std::ofstream(file, std::ios::binary) << "\xEF\xF0\xE8\xE2\xE5\xF2\r\n";  // «привет»
    p.form2->Edit1()->setText(QString::fromStdString(file));
    f.Cpu31Click();
    f.Timer1Timer();
    QVERIFY(f.timer(6)->isActive());
    for (int tick = 0; tick < 3; ++tick) f.Timer6Timer();
    QCOMPARE(f.timer(6)->interval(), 1000);
    QCOMPARE(p.transcript().first(), QStringLiteral("Сервис:   // Режим диалога Cpu\\Cpu."));
    QCOMPARE(f.dialogue().logBuffer.count(), 9);  // three turns, each user line on two lines
    std::ifstream in(file, std::ios::binary);
    std::string saved((std::istreambuf_iterator<char>(in)), {});
    QCOMPARE(sob::fromCp1251(saved), sob::fromCp1251(f.dialogue().state.reply) + "\r\n");
    QCOMPARE(f.dialogue().abusive.count(), 1);
    f.CpuUser1Click();
    f.Timer1Timer();
    QVERIFY(!f.timer(6)->isActive());
    QCOMPARE(f.statusPanel(2)->text(), QStringLiteral("Режим Cpu\\User"));
  }

  void theDefaultSelfTalkFileIsReportedOnceWhileItsReportIsOpen() {
    Program p;
    TForm1& f = *p.form1;
    f.Cpu31Click();
    f.Timer6Timer();
    f.Timer6Timer();
    QCOMPARE(f.errors().shownText(), QStringLiteral("Cannot open file D:\\Txt.Dat"));
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) windows += w->objectName() == "ErrorReport" && w->isVisible();
    QCOMPARE(windows, 1);
  }

  void layoutConversionRepairsTheInputLine() {
    Program p;
    p.type(QStringLiteral("Ghbdtn, vbh!"));
    p.form1->action("N36")->trigger();
    QCOMPARE(p.form1->Edit1()->text(), QStringLiteral("Привет, мир!"));
  }

  void settingsGoThroughTheDialogs() {
    Program p;
    TForm1& f = *p.form1;
    p.dialogs.colors = {std::nullopt, sob::Color{255, 0, 0}, std::nullopt};
    f.N9Click();
    QCOMPARE(f.SpeedButton2()->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    QVERIFY(!f.action("N13")->isChecked());
    p.form2->SpinEdit1()->setValue(50);
    f.N13Click();
    QVERIFY(f.action("N13")->isChecked());
    QCOMPARE(p.form2->selfTalkInterval(), 1000);
    QVERIFY(f.Edit1()->font().bold());
  }

  void fullScreenAndBack() {
    Program p;
    TForm1& f = *p.form1;
    f.N40Click();
    QCOMPARE(f.action("N40")->text(), QStringLiteral("Normal"));
    QCOMPARE(f.RichEdit1()->size(), QSize(793, 499));
    QCOMPARE(f.SpeedButton1()->x(), 710);
    f.N40Click();
    QCOMPARE(f.action("N40")->text(), QStringLiteral("Full Screen"));
    QCOMPARE(f.RichEdit1()->size(), QSize(581, 305));
    QCOMPARE(f.TabControl2()->y(), 312);
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
