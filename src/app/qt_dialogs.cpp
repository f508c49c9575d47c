#include "qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>

namespace sob {

std::optional<Color> QtDialogProvider::chooseColor(const Color& preselected) {
  QColor chosen = QColorDialog::getColor(QColor(preselected.red, preselected.green, preselected.blue),
                                         QApplication::activeWindow());
  if (!chosen.isValid()) return std::nullopt;
  return Color{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

std::optional<Font> QtDialogProvider::chooseFont(const Font& preselected, bool fixedSize) {
  QFont initial(QString::fromStdString(preselected.name), preselected.size);
  initial.setBold(preselected.style.bold);
  initial.setItalic(preselected.style.italic);
  bool ok = false;
  // Neither dialog offers effects (underline, strike-out, colour).
  QFont chosen = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), QString(),
                                      QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts |
                                          QFontDialog::NonScalableFonts | QFontDialog::MonospacedFonts |
                                          QFontDialog::ProportionalFonts);
  if (!ok) return std::nullopt;
  Font font{chosen.family().toStdString(), fixedSize ? preselected.size : chosen.pointSize(),
            {chosen.bold(), chosen.italic(), false, false}};
  return font;
}

}  // namespace sob
