// "Виртуальная клавиатура": composes a phrase in the main window's input
// line by mouse and sends it. While it is open the main window is disabled.
#pragma once

#include <QWidget>

class QGroupBox;
class QTimer;
class QToolButton;
class TForm1;

class TForm4 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm4(TForm1& form1);

  void open();         // N22 of the main window
  void disableEnter();  // a farewell was said

  QToolButton* key(const char* designerName) const;
  QTimer* Timer1() const { return timer1_; }
  int capsLock() const { return capsLock_; }

  void N2Click();                 // "С&крыть виртуальную клавиатуру"
  void SpeedButton23Click();      // "Пробел"
  void SpeedButton62Click();      // "Bcksp"
  void SpeedButton66Click();      // "[Enter]"
  void SpeedButton63Click();      // Caps Lock
  void Timer1Timer();
  void FormCreate();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createLook();
  void createMenu();
  void createKeys();
  QGroupBox* groupBox(const QString& caption, int top);
  void createSignKeys(QGroupBox* box);
  void createLetterKeys(QGroupBox* box);
  void createSpecialKeys();
  void createTimer();
  void appendCharacter(char cp1251);
  void keepTypingLimit();
  QToolButton* makeKey(QWidget* parent, int number, const QString& caption, int left, int top, int width,
                       int height);

  TForm1& form1_;
  QWidget* client_ = nullptr;
  QTimer* timer1_ = nullptr;
  QToolButton* backspace_ = nullptr;  // SpeedButton62
  QToolButton* enter_ = nullptr;      // SpeedButton66
  QToolButton* capsKey_ = nullptr;    // SpeedButton63
  int typingLimit_;                   // the input line's own length limit
  int capsLock_ = 0;
};
