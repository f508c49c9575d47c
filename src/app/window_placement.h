// What the program's windows share in how they look and where they show.
#pragma once

#include <QFont>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace sob {

// "MS Sans Serif" 8 points: eleven pixels high on the screens it was made for.
inline QFont designFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  return font;
}

inline void centreOnScreen(QWidget* window) {
  if (QScreen* screen = window->screen()) {
    window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
  }
}

// Shows one of the windows the main window opens, over the others.
inline void showAuxiliaryWindow(QWidget* window) {
  window->show();
  centreOnScreen(window);
  window->setEnabled(true);
  window->raise();
  window->activateWindow();
}

// Disabled captions stay readable on a silver background.
inline void keepDisabledCaptionsReadable(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  widget->setPalette(palette);
}

}  // namespace sob
