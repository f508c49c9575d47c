// Colours, fonts, the factory defaults, the layout conversion and the
// full-screen layout, through the real main window and its menu items; the
// dialogs are answered in advance.
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>

#include "app/sound_player.h"
#include "app/transcript_view.h"
#include "ui_fixture.h"

using sob::testing::Program;

namespace {

const QColor kRed(255, 0, 0), kSilver(192, 192, 192);
const sob::Color kRedValue{255, 0, 0}, kGreenValue{0, 255, 0};

void choose(TForm1& f, const char* item) { f.action(item)->trigger(); }

QColor colorOf(QWidget* widget, QPalette::ColorRole role) { return widget->palette().color(role); }

// The character format a transcript line is shown in.
QTextCharFormat shownFormat(TForm1& f, int line) {
  QTextBlock block = f.RichEdit1()->document()->findBlockByNumber(line);
  return block.begin().fragment().charFormat();
}

}  // namespace

class Form1AppearanceTest : public QObject {
  Q_OBJECT

 private slots:
  void generalColourItemsPaintTheirTarget_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::newRow("N6 window") << "N6" << "" << int(QPalette::Window);
    QTest::newRow("N21 transcript") << "N21" << "RichEdit1" << int(QPalette::Base);
    QTest::newRow("N16 input line") << "N16" << "Edit1" << int(QPalette::Base);
    QTest::newRow("Mystring2 input text") << "Mystring2" << "Edit1" << int(QPalette::Text);
  }
  void generalColourItemsPaintTheirTarget() {
    QFETCH(QString, item);
    QFETCH(QString, control);
    QFETCH(int, role);
    Program p;
    TForm1& f = *p.form1;
    QWidget* target = control.isEmpty() ? f.centralWidget() : f.findChild<QWidget*>(control);
    QColor before = colorOf(target, QPalette::ColorRole(role));
    p.dialogs.colors = {std::nullopt};
    choose(f, item.toLatin1().constData());
    QCOMPARE(colorOf(target, QPalette::ColorRole(role)), before);
    QVERIFY(!f.N13()->isChecked());
    p.dialogs.colors = {kRedValue};
    choose(f, item.toLatin1().constData());
    QCOMPARE(colorOf(target, QPalette::ColorRole(role)), kRed);
    QCOMPARE(f.dialogue().held.general, kRedValue);  // the next idle remark's colour
  }

  void onlyTheSecondOfTheButtonDialogsConfirmed() {
    Program p;
    TForm1& f = *p.form1;
    QColor say = colorOf(f.SpeedButton1(), QPalette::ButtonText);
    p.dialogs.colors = {std::nullopt, kRedValue, std::nullopt};
    choose(f, "N9");
    QCOMPARE(colorOf(f.SpeedButton1(), QPalette::ButtonText), say);
    QCOMPARE(colorOf(f.SpeedButton2(), QPalette::ButtonText), kRed);
    QCOMPARE(colorOf(f.SpeedButton3(), QPalette::ButtonText), say);
    QVERIFY(p.dialogs.colors.empty());
  }

  // The held colours and fonts are what the next turn's lines are shown in.
  void theNextLinesShowTheHeldColoursAndFonts() {
    Program p;
    TForm1& f = *p.form1;
    p.dialogs.colors = {kRedValue, kGreenValue};
    p.dialogs.fonts = {sob::Font{"Arial", 14, {.bold = true}}, std::nullopt};
    choose(f, "User1");
    choose(f, "Cpu1");
    choose(f, "User2");
    choose(f, "Cpu2");  // cancelled
    p.say(QStringLiteral("привет"));
    QTextCharFormat user = shownFormat(f, 0), reply = shownFormat(f, 1);
    QCOMPARE(user.foreground().color(), kRed);
    QCOMPARE(user.fontFamilies().toStringList(), QStringList({"Arial"}));
    QCOMPARE(user.fontPointSize(), 14.0);
    QCOMPARE(user.fontWeight(), int(QFont::Bold));
    QCOMPARE(reply.foreground().color(), QColor(0, 255, 0));
    QCOMPARE(reply.fontFamilies().toStringList(), QStringList({"MS Sans Serif"}));
    QCOMPARE(reply.fontPointSize(), 8.0);
  }

  void theInputFontKeepsItsSize() {
    Program p;
    TForm1& f = *p.form1;
    QFont before = f.Edit1()->font();
    p.dialogs.fonts = {sob::Font{"Courier New", 8, {.italic = true}}};
    choose(f, "Mystring1");
    QCOMPARE(f.Edit1()->font().family(), QStringLiteral("Courier New"));
    QVERIFY(f.Edit1()->font().italic());
    QCOMPARE(f.Edit1()->font().pixelSize(), before.pixelSize());
    QCOMPARE(f.Edit1()->font().pointSize(), before.pointSize());
  }

  void theRestoreBringsBackTheFactoryDefaults() {
    Program p;
    TForm1& f = *p.form1;
    p.dialogs.colors = {kRedValue, kRedValue, kRedValue, kRedValue, kRedValue, kRedValue};
    p.dialogs.fonts = {sob::Font{"Courier New", 8, {}}};
    for (const char* item : {"N6", "N21", "N16", "Mystring2", "User1"}) choose(f, item);
    choose(f, "Mystring1");
    p.form2->Edit1()->setText(QStringLiteral("/tmp/talk.txt"));
    p.form2->SpinEdit1()->setValue(250);
    f.N12Click();
    p.form3->Button1Click();
    p.form3->SpeedButton1Click();

    choose(f, "N13");
    QVERIFY(f.N13()->isChecked());
    QCOMPARE(colorOf(f.centralWidget(), QPalette::Window), kSilver);
    QCOMPARE(colorOf(f.RichEdit1(), QPalette::Base), kSilver);
    QCOMPARE(colorOf(f.Edit1(), QPalette::Base), kSilver);
    QCOMPARE(colorOf(f.Edit1(), QPalette::Text), QColor(Qt::black));
    QVERIFY(f.Edit1()->font().bold());
    QCOMPARE(f.Edit1()->font().family(), QStringLiteral("Courier New"));  // the name stays
    for (QToolButton* button : {f.SpeedButton1(), f.SpeedButton2(), f.SpeedButton3()}) {
      QCOMPARE(colorOf(button, QPalette::ButtonText), QColor(Qt::black));
    }
    QCOMPARE(p.form2->Edit1()->text(), QStringLiteral("D:\\Txt.Dat"));
    QCOMPARE(p.form2->SpinEdit1()->value(), 1000);
    QCOMPARE(p.form3->designHeight(), 179);
    QCOMPARE(f.dialogue().held.user, sob::kBlack);
  }

  void theLayoutConversionRepairsTheInputLine_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("E/R") << "button";
    QTest::newRow("Ctrl+S") << "N36";
  }
  void theLayoutConversionRepairsTheInputLine() {
    QFETCH(QString, how);
    Program p;
    TForm1& f = *p.form1;
    auto convert = [&] { how == "button" ? f.SpeedButton3()->click() : f.N36()->trigger(); };
    sob::SoundPlayer& sounds = f.sounds();
    f.Timer1Timer();  // an empty line: E/R off, Ctrl+S on
    convert();
    QCOMPARE(sounds.timesPlayed(sob::Sound::Layout), how == "button" ? 0 : 1);
    p.type(QStringLiteral("Ghbdtn, vbh!"));
    f.Timer1Timer();
    int clicks = sounds.timesPlayed(sob::Sound::KeyClick);
    convert();
    QCOMPARE(f.Edit1()->text(), QStringLiteral("Привет, мир!"));
    QCOMPARE(sounds.timesPlayed(sob::Sound::KeyClick), clicks + 1);
    convert();  // nothing left to convert: the line is not written again
    QCOMPARE(sounds.timesPlayed(sob::Sound::KeyClick), clicks + 1);
    QCOMPARE(sounds.timesPlayed(sob::Sound::Layout), how == "button" ? 2 : 3);
  }

  void fullScreenAndBack() {
    Program p;
    TForm1& f = *p.form1;
    f.show();
    struct Layout {
      QSize frame, transcript;
      int panelWidth, panelTop, say, layout, undo, input;
    };
    auto layoutOf = [&] {
      return Layout{f.TabControl1()->size(), f.RichEdit1()->size(), f.TabControl2()->width(),
                    f.TabControl2()->y(), f.SpeedButton1()->x(), f.SpeedButton3()->x(),
                    f.SpeedButton2()->x(), f.Edit1()->width()};
    };
    auto expect = [&](const Layout& want) {
      Layout got = layoutOf();
      QCOMPARE(got.frame, want.frame);
      QCOMPARE(got.transcript, want.transcript);
      QCOMPARE(QList<int>({got.panelWidth, got.panelTop, got.say, got.layout, got.undo, got.input}),
               QList<int>({want.panelWidth, want.panelTop, want.say, want.layout, want.undo, want.input}));
      QCOMPARE(f.StatusBar1()->geometry().bottom(), f.centralWidget()->height() - 1);
    };
    expect({{588, 313}, {581, 303}, 585, 312, 496, 453, 426, 422});

    choose(f, "N40");
    QVERIFY(f.N40()->isChecked() && f.isMaximized());
    QCOMPARE(f.N40()->text(), QStringLiteral("Normal"));
    expect({{799, 507}, {793, 499}, 799, 507, 710, 667, 640, 635});

    choose(f, "N40");
    QVERIFY(!f.N40()->isChecked() && !f.isMaximized());
    QCOMPARE(f.N40()->text(), QStringLiteral("Full Screen"));
    expect({{588, 313}, {581, 305}, 585, 312, 496, 453, 426, 422});
    QCOMPARE(f.centralWidget()->size(), QSize(587, 361));
  }
};

QTEST_MAIN(Form1AppearanceTest)
#include "form1_appearance_test.moc"
