#include "qt_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>

namespace sob {
namespace {

QFont toQFont(const Font& font) {
  QFont qFont(QString::fromStdString(font.name), font.size);
  qFont.setBold(font.style.bold);
  qFont.setItalic(font.style.italic);
  return qFont;
}

}  // namespace

std::optional<Color> QtDialogProvider::chooseColor(const Color& preselected) {
  QColor chosen = QColorDialog::getColor(QColor(preselected.red, preselected.green, preselected.blue),
                                         QApplication::activeWindow());
  if (!chosen.isValid()) return std::nullopt;
  return Color{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

std::optional<Font> QtDialogProvider::chooseFont(const Font& preselected, bool fixedSize) {
  QFontDialog dialog(QApplication::activeWindow());
  prepareFontDialog(dialog, preselected, fixedSize);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  QFont chosen = dialog.selectedFont();
  return Font{chosen.family().toStdString(), fixedSize ? preselected.size : chosen.pointSize(),
              {.bold = chosen.bold(), .italic = chosen.italic()}};
}

// Qt's own dialog, since a native one cannot leave its effects out; the
// effects are the group of check boxes.
void prepareFontDialog(QFontDialog& dialog, const Font& preselected, bool fixedSize) {
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  dialog.setCurrentFont(toQFont(preselected));
  for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
    if (!group->findChildren<QCheckBox*>().isEmpty()) group->hide();
  }
  if (!fixedSize) return;
  const int size = preselected.size;
  QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [&dialog, size](const QFont& font) {
    if (font.pointSize() == size) return;
    QFont kept = font;
    kept.setPointSize(size);
    dialog.setCurrentFont(kept);
  });
}

}  // namespace sob
