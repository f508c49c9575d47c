// Shows the report of a failed operation in a message window that leaves
// the timers running. One report at a time: while one is open, further
// failures (a timer failing again at every tick) add no second window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace sob {

class ErrorReporter : public QObject {
  Q_OBJECT
 public:
  explicit ErrorReporter(QWidget* parent);

  void report(const QString& text);
  bool isShowing() const;
  QString shownText() const;
  void dismiss();

 private:
  QWidget* parent_;
  QPointer<QMessageBox> box_;
};

}  // namespace sob
