// The main window's session handlers on the offscreen platform: the two
// dialogue modes, self-talk through its file, idle remarks, the input guard,
// and the reports of the files they cannot read.
#include <QLineEdit>
#include <QSpinBox>
#include <QTextBlock>

#include <fstream>

#include "app/sound_player.h"
#include "app/transcript_view.h"
#include "ui_fixture.h"

using sob::testing::Program;

namespace {

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

QColor shownColour(TForm1& f, int line) {
  QTextBlock block = f.RichEdit1()->document()->findBlockByNumber(line);
  return block.begin().fragment().charFormat().foreground().color();
}

int turns(TForm1& f) {
  int replies = 0;
  for (const auto& line : f.dialogue().logBuffer.lines()) replies += line.starts_with("CPU:");
  return replies;
}

int openReports() {
  int open = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) open += w->objectName() == "ErrorReport" && w->isVisible();
  return open;
}

}  // namespace

class Form1SessionTest : public QObject {
  Q_OBJECT

 private slots:
  void theModeSwitchWritesItsServiceLines() {
    Program p;
    TForm1& f = *p.form1;
    f.Cpu31Click();
    QCOMPARE(p.transcript(), QStringList({"Сервис:   // Режим диалога Cpu\\Cpu."}));
    QCOMPARE(f.statusPanel(2)->text(), QStringLiteral("Режим Cpu\\Cpu"));
    QVERIFY(f.Cpu31()->isChecked() && !f.CpuUser1()->isChecked());
    f.CpuUser1Click();
    f.CpuUser1Click();
    QCOMPARE(p.transcript(), QStringList({"Сервис:   // Режим диалога Cpu\\Cpu.", "Сервис:   // Режим диалога Cpu\\User.",
                                          "", "Сервис:   // Режим диалога Cpu\\User.", ""}));
    QCOMPARE(f.RichEdit1()->shownLines(), 5);
    QCOMPARE(shownColour(f, 3), QColor(0, 128, 128));
    QCOMPARE(f.statusPanel(2)->text(), QStringLiteral("Режим Cpu\\User"));
    QVERIFY(f.CpuUser1()->isChecked() && !f.Cpu31()->isChecked());
    QCOMPARE(f.dialogue().logBuffer.count(), 0);
  }

  // The refresh runs the self-talk timer by the mode; each tick answers the
  // file and writes the reply back into it, and the timer takes the interval
  // the editor shows.
  void selfTalkConversesThroughItsFile() {
    Program p;
    TForm1& f = *p.form1;
    std::filesystem::path file = p.path("talk.txt");
    std::ofstream(file, std::ios::binary) << "\xEF\xF0\xE8\xE2\xE5\xF2\r\n";  // «привет»
    p.form2->Edit1()->setText(QString::fromStdString(file.string()));
    p.form2->SpinEdit1()->setValue(250);
    f.Cpu31Click();
    f.Timer1Timer();
    QVERIFY(f.Timer6()->isActive());
    QCOMPARE(f.Timer6()->interval(), 3000);
    for (int tick = 1; tick <= 3; ++tick) {
      f.Timer6Timer();
      QCOMPARE(turns(f), tick);
      QCOMPARE(fileBytes(file), f.dialogue().state.reply + "\r\n");
    }
    QCOMPARE(f.Timer6()->interval(), 250);
    // The abusive-word list is the self-talk buffer, also back in Cpu\User.
    f.CpuUser1Click();
    f.Timer1Timer();
    QVERIFY(!f.Timer6()->isActive());
    QCOMPARE(f.dialogue().abusive.lines(), std::vector<std::string>{f.dialogue().state.reply});
  }

  void selfTalkGoesOnWhileTheEditorIsOpen() {
    Program p;
    TForm1& f = *p.form1;
    std::ofstream(p.path("talk.txt"), std::ios::binary) << "\xEF\xF0\xE8\xE2\xE5\xF2\r\n";
    p.form2->Edit1()->setText(QStringLiteral("talk.txt"));
    f.Cpu31Click();
    f.Timer1Timer();
    f.N38Click();
    QVERIFY(!f.isEnabled() && f.Timer6()->isActive());
    f.Timer6Timer();
    QCOMPARE(turns(f), 1);
    p.form2->Button1Click();
    QVERIFY(f.isEnabled() && f.Timer6()->isActive());
  }

  // A timer whose file cannot be read fails at every tick; its report shows
  // once while it is open, and the next failure after it is closed shows
  // again.
  void aFileATimerCannotReadIsReportedOnceWhileItsReportIsOpen_data() {
    QTest::addColumn<QString>("timer");
    QTest::addColumn<QString>("report");
    QTest::newRow("self-talk on the design path") << "Timer6" << "Cannot open file D:\\Txt.Dat";
    QTest::newRow("idle remark") << "Timer2" << "Cannot open file Base\\Pause.Dat";
  }
  void aFileATimerCannotReadIsReportedOnceWhileItsReportIsOpen() {
    QFETCH(QString, timer);
    QFETCH(QString, report);
    Program p;
    TForm1& f = *p.form1;
    std::filesystem::remove(p.path("Base/Pause.Dat"));
    f.dialogue().state.idleCounter = 90;
    f.Cpu31Click();
    auto tick = [&] { timer == "Timer6" ? f.Timer6Timer() : f.Timer2Timer(); };
    for (int second = 0; second < 5; ++second) tick();
    QCOMPARE(f.errors().shownText(), report);
    QCOMPARE(openReports(), 1);
    f.errors().dismiss();
    QCOMPARE(openReports(), 0);
    tick();
    QCOMPARE(openReports(), 1);
    QCOMPARE(p.transcript().size(), 1);  // only the service line: no turn, no remark
    QVERIFY(f.dialogue().state.idleCounter >= 90);
  }

  void idleRemarksComeInTheGeneralColourWithTheReplySound() {
    Program p;
    TForm1& f = *p.form1;
    f.dialogue().held.general = {200, 0, 0};
    f.dialogue().state.idleCounter = 89;
    f.Timer2Timer();
    QCOMPARE(p.transcript(), QStringList({"Ответ из Pause."}));
    QCOMPARE(shownColour(f, 0), QColor(200, 0, 0));
    QCOMPARE(f.sounds().timesPlayed(sob::Sound::Reply), 1);
    QCOMPARE(f.dialogue().state.idleCounter, 0);
  }

  // The guard clears the line with the key-click sound and disables the
  // transcript for good; a line that became shorter is scanned from its
  // start.
  void theGuardClearsALineThatBecameShorter() {
    Program p;
    TForm1& f = *p.form1;
    p.type(QStringLiteral("абвгдежз"));
    for (int tick = 0; tick < 6; ++tick) f.Timer5Timer();
    p.type(QStringLiteral("я;"));
    int clicks = f.sounds().timesPlayed(sob::Sound::KeyClick);
    f.Timer5Timer();
    QCOMPARE(f.Edit1()->text(), QStringLiteral("я;"));
    f.Timer5Timer();
    QVERIFY(f.Edit1()->text().isEmpty());
    QVERIFY(!f.RichEdit1()->isEnabled());
    QCOMPARE(f.sounds().timesPlayed(sob::Sound::KeyClick), clicks + 1);
    p.say(QStringLiteral("привет"));
    QCOMPARE(p.transcript(), QStringList({"Привет.", "Привет!"}));
    QVERIFY(!f.RichEdit1()->isEnabled());
  }
};

QTEST_MAIN(Form1SessionTest)
#include "form1_session_test.moc"
