#include "error_reporter.h"

#include <QMessageBox>

namespace sob {

ErrorReporter::ErrorReporter(QWidget* parent) : QObject(parent), parent_(parent) {}

void ErrorReporter::report(const QString& text) {
  if (isShowing()) return;
  box_ = new QMessageBox(QMessageBox::Critical, QStringLiteral("Собеседник"), text, QMessageBox::Ok, parent_);
  box_->setObjectName(QStringLiteral("ErrorReport"));
  box_->setAttribute(Qt::WA_DeleteOnClose);
  box_->setWindowModality(Qt::NonModal);
  box_->show();
}

bool ErrorReporter::isShowing() const { return box_ && box_->isVisible(); }

QString ErrorReporter::shownText() const { return box_ ? box_->text() : QString(); }

void ErrorReporter::dismiss() {
  if (box_) box_->close();
}

}  // namespace sob
