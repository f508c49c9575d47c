// "Редактор": the self-talk settings, the path of the self-talk file and
// the interval between self-talk ticks. Both are live: every tick and every
// save reads them as they stand, so neither button stores or undoes anything.
#pragma once

#include <QWidget>

#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class TForm1;

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(TForm1& form1);

  std::string selfTalkPath() const;  // Windows-1251
  int selfTalkInterval() const;      // milliseconds, at least 1

  void open();             // N38 of the main window
  void restoreDefaults();  // the factory defaults keep the defaults mark

  QLineEdit* Edit1() const { return edit1_; }
  QSpinBox* SpinEdit1() const { return spinEdit1_; }
  QTimer* Timer1() const { return timer1_; }

  void Button1Click();
  void Button2Click();
  void Timer1Timer();
  void Edit1Change();
  void SpinEdit1Change();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void closeWindow();

  TForm1& form1_;
  QLineEdit* edit1_;
  QSpinBox* spinEdit1_;
  QPushButton* button1_;
  QPushButton* button2_;
  QTimer* timer1_;
  bool restoring_ = false;
  QString acceptedPath_;
};
