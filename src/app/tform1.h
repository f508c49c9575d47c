// The main window: the transcript above, the input line with its three
// buttons below, the status bar and the menu. Every behaviour is a handler
// named after its control and event; the handlers delegate to the engine,
// session and appearance logic, which this window serves as host.
#pragma once

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <functional>
#include <memory>

#include "appearance/appearance_settings.h"
#include "appearance/full_screen.h"
#include "engine/dialogue.h"
#include "engine/file_store.h"
#include "engine/random.h"
#include "session/base_statistics.h"
#include "session/closing.h"
#include "session/dialogue_mode.h"
#include "session/idle_remarks.h"
#include "session/input_guard.h"

class QFrame;
class QMenu;
class QStatusBar;
class TForm2;
class TForm3;
class TForm4;

namespace sob {
class ErrorReporter;
class SoundPlayer;
class TranscriptView;
}  // namespace sob

class TForm1 : public QMainWindow,
               public sob::SelfTalkHost,
               public sob::LoadingHost,
               public sob::StatisticsHost,
               public sob::ClosingHost,
               public sob::JitterHost,
               public sob::EditingHost,
               public sob::IdleHost,
               public sob::GuardHost,
               public sob::ModeHost,
               public sob::AppearanceHost,
               public sob::FullScreenHost {
  Q_OBJECT

 public:
  // Throws FileError when a sound file cannot be opened: the program then
  // ends before showing any window.
  TForm1(sob::FileStore files, sob::Random& random, sob::DialogProvider& dialogs);
  ~TForm1() override;

  void attachWindows(TForm2* form2, TForm3* form3, TForm4* form4);

  // Controls and data, by their designer names.
  QLineEdit* Edit1() const { return edit1_; }
  sob::TranscriptView* RichEdit1() const { return richEdit1_; }
  QFrame* TabControl1() const { return tabControl1_; }
  QFrame* TabControl2() const { return tabControl2_; }
  QToolButton* SpeedButton1() const { return speedButton1_; }
  QToolButton* SpeedButton2() const { return speedButton2_; }
  QToolButton* SpeedButton3() const { return speedButton3_; }
  QStatusBar* StatusBar1() const { return statusBar1_; }
  QLabel* statusPanel(int index) const { return panels_.at(index); }
  QAction* action(const char* designerName) const;
  QTimer* timer(int number) const { return timers_.at(number - 1); }
  QTimer* Timer1() const { return timer(1); }
  QTimer* Timer2() const { return timer(2); }
  QTimer* Timer3() const { return timer(3); }
  QTimer* Timer4() const { return timer(4); }
  QTimer* Timer5() const { return timer(5); }
  QTimer* Timer6() const { return timer(6); }
  QTimer* Timer7() const { return timer(7); }
  QTimer* Timer8() const { return timer(8); }
  // The menu items, separators and submenus included.
#define SOB_MENU_ITEM(name) \
  QAction* name() const { return action(#name); }
  SOB_MENU_ITEM(N1) SOB_MENU_ITEM(N2) SOB_MENU_ITEM(N3) SOB_MENU_ITEM(N4) SOB_MENU_ITEM(N5)
  SOB_MENU_ITEM(N6) SOB_MENU_ITEM(N7) SOB_MENU_ITEM(N8) SOB_MENU_ITEM(N9) SOB_MENU_ITEM(N10)
  SOB_MENU_ITEM(N11) SOB_MENU_ITEM(N12) SOB_MENU_ITEM(N13) SOB_MENU_ITEM(N14) SOB_MENU_ITEM(N15)
  SOB_MENU_ITEM(N16) SOB_MENU_ITEM(N17) SOB_MENU_ITEM(N18) SOB_MENU_ITEM(N19) SOB_MENU_ITEM(N20)
  SOB_MENU_ITEM(N21) SOB_MENU_ITEM(N22) SOB_MENU_ITEM(N23) SOB_MENU_ITEM(N36) SOB_MENU_ITEM(N37)
  SOB_MENU_ITEM(N38) SOB_MENU_ITEM(N39) SOB_MENU_ITEM(N40)
  SOB_MENU_ITEM(User1) SOB_MENU_ITEM(Cpu1) SOB_MENU_ITEM(Mystring2)
  SOB_MENU_ITEM(User2) SOB_MENU_ITEM(Cpu2) SOB_MENU_ITEM(Mystring1)
  SOB_MENU_ITEM(CpuUser1) SOB_MENU_ITEM(Cpu31)
#undef SOB_MENU_ITEM
  sob::Dialogue& dialogue() { return dialogue_; }
  const sob::FileStore& files() const { return files_; }
  sob::Random& random() { return random_; }
  sob::ErrorReporter& errors() const { return *errors_; }
  // Shows a failed file operation in the one report window.
  void reportError(const sob::FileError& error);
  sob::SoundPlayer& sounds() const { return *sounds_; }
  int closingCounter() const { return closingCounter_; }

  // Stops the control-state refresh and disables this window while another
  // window of the program is open; the reverse when it closes.
  void suspendForWindow();
  void resumeAfterWindow();

  // Handlers.
  void FormCreate();
  void SpeedButton1Click();
  void N3Click();
  void Edit1Change();
  void Timer1Timer();
  void Timer3Timer();
  void Timer8Timer();
  void N2Click();
  void SpeedButton2Click();
  void N15Click();
  void N4Click();
  void Timer4Timer();
  void Timer7Timer();
  void Timer2Timer();
  void Timer5Timer();
  void CpuUser1Click();
  void Cpu31Click();
  void Timer6Timer();
  void N38Click();
  void SpeedButton3Click();
  void N36Click();
  void N6Click();
  void N21Click();
  void N16Click();
  void N9Click();
  void User1Click();
  void Cpu1Click();
  void Mystring2Click();
  void User2Click();
  void Cpu2Click();
  void Mystring1Click();
  void N13Click();
  void N40Click();
  void N22Click();
  void N12Click();

  // TurnHost and SelfTalkHost.
  std::string inputText() const override;
  void clearInput() override;
  std::string selfTalkPath() const override;
  void setBusyCursor(bool busy) override;
  void play(sob::Sound sound) override;
  void disableKeyboardEnter() override;
  void startClosingTimer() override;
  int selfTalkInterval() const override;
  void setSelfTalkTimerInterval(int milliseconds) override;
  // LoadingHost and StatisticsHost.
  void setLoadIndicator(const std::string& text) override;
  void setStatisticsPanel(const std::string& text) override;
  void setInputReadOnly(bool readOnly) override;
  void setSayEnabled(bool enabled) override;
  void appendToCountCaptions(const std::string& incoming, const std::string& outgoing,
                             const std::string& total) override;
  // ClosingHost, JitterHost, EditingHost.
  void exitWithLog() override;
  void stopClosingTimer() override;
  void moveAndResizeWindowBy(int dx, int dy, int dWidth, int dHeight) override;
  void playCloseSound() override;
  void playJitterSound() override;
  void setMenusEnabled(bool enabled) override;
  void moveWindowTo(int left, int top) override;
  void centreWindow() override;
  void stopJitterTimer() override;
  void startJitter() override;
  // IdleHost, GuardHost, ModeHost.
  void playReplySound() override;
  void disableTranscript() override;
  void setModeIndicator(const std::string& text) override;
  void showModeChecks(bool selfTalk) override;
  // AppearanceHost and FullScreenHost.
  void setColor(sob::ColorTarget target, const sob::Color& color) override;
  void setInputFontName(const std::string& name) override;
  void setInputFontStyle(const sob::FontStyle& style) override;
  void setDefaultsMark(bool checked) override;
  void restoreSelfTalkSettings() override;
  void collapseAboutWindow() override;
  bool fullScreenChecked() const override;
  void showFullScreenItem(bool checked, const std::string& caption) override;
  void applyGeometry(const sob::Geometry& geometry) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void createMenu();
  void createStatusBar();
  void createSounds();
  void createTimers();
  void connectHandlers();
  QAction* addItem(QMenu* menu, const char* name, const QString& caption);
  QAction* addSeparator(QMenu* menu, const char* name);
  QAction* addShortcutItem(QMenu* menu, const char* name, const QKeySequence& key);

  // Runs a handler step that may fail on a file; reports the failure.
  bool attempt(const std::function<void()>& step);
  // The same for the steps of the start (the creation, the loading and the
  // statistics), which may all meet the same missing file: each failure is
  // reported once for the whole start.
  bool attemptAtStart(const std::function<void()>& step);
  void refuseUnrepresentableInput();

  sob::FileStore files_;
  sob::Random& random_;
  sob::Dialogue dialogue_;
  sob::AppearanceSettings appearance_;
  std::unique_ptr<sob::SoundPlayer> sounds_;
  sob::ErrorReporter* errors_ = nullptr;

  QFrame* tabControl1_ = nullptr;
  QFrame* tabControl2_ = nullptr;
  sob::TranscriptView* richEdit1_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QToolButton* speedButton1_ = nullptr;
  QToolButton* speedButton2_ = nullptr;
  QToolButton* speedButton3_ = nullptr;
  QStatusBar* statusBar1_ = nullptr;
  std::array<QLabel*, 3> panels_{};
  std::array<QTimer*, 8> timers_{};
  QHash<QString, QAction*> actions_;  // menu items by designer name
  QWidget* client_ = nullptr;

  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm4* form4_ = nullptr;

  int closingCounter_ = 0;     // the window's Tag
  int guardPosition_ = 0;      // Timer5's Tag
  bool fullScreen_ = false;    // N40's check mark, as it was before a click toggles it
  QString acceptedInput_;
  QStringList startReports_;
};
