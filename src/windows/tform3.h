// "О программе": the picture, the version, and on request the history of
// the program read from "ReadMe.Txt" in a panel the window grows to show.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TForm1;

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCollapsedHeight = 179;
  static constexpr int kExpandedHeight = 327;

  explicit TForm3(TForm1& form1);

  void open();      // N12 of the main window: always opens collapsed
  void collapse();  // the factory defaults
  // The window's height in the terms of its design (179 collapsed, 327
  // expanded); the real window shows exactly the upper panel or both.
  int designHeight() const { return designHeight_; }
  QToolButton* SpeedButton1() const { return speedButton1_; }
  QLabel* QRImage1() const { return qrImage1_; }
  QPushButton* Button1() const { return button1_; }
  QPlainTextEdit* Memo1() const { return memo1_; }

  void SpeedButton1Click();
  void Button1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createUpperPanel();
  void createLowerPanel();
  void setDesignHeight(int height);

  TForm1& form1_;
  QToolButton* speedButton1_;
  QLabel* qrImage1_;
  QPushButton* button1_;
  QPlainTextEdit* memo1_;
  int designHeight_ = kCollapsedHeight;
};
