// The colours and fonts the user sets through the menu "&Настройки", the
// six values the settings dialogs hold, and the factory defaults.
#pragma once

#include <optional>
#include <string>

#include "engine/dialogue.h"
#include "engine/text_style.h"

namespace sob {

// Shows a colour or font dialog preselected with a value and gives the
// confirmed choice, or nothing when the user cancels. Tests answer it in
// advance; the window opens real dialogs.
class DialogProvider {
 public:
  virtual ~DialogProvider() = default;
  virtual std::optional<Color> chooseColor(const Color& preselected) = 0;
  // `fixedSize`: the dialog offers only the preselected size.
  virtual std::optional<Font> chooseFont(const Font& preselected, bool fixedSize) = 0;
};

enum class ColorTarget { Window, Transcript, Input, InputText, SayButton, UndoButton, LayoutButton };

// What the settings change in the main window and the other windows.
class AppearanceHost {
 public:
  virtual ~AppearanceHost() = default;
  virtual void setColor(ColorTarget target, const Color& color) = 0;
  virtual void setInputFontName(const std::string& name) = 0;
  virtual void setInputFontStyle(const FontStyle& style) = 0;
  virtual void setDefaultsMark(bool checked) = 0;                  // N13
  virtual void restoreSelfTalkSettings() = 0;                      // "D:\Txt.Dat", 1000
  virtual void collapseAboutWindow() = 0;
};

class AppearanceSettings {
 public:
  AppearanceSettings(Dialogue& dialogue, AppearanceHost& host, DialogProvider& dialogs)
      : d_(dialogue), host_(host), dialogs_(dialogs) {}

  // N6, N21, N16, Mystring2: the general colour applied to one target.
  void chooseGeneralColor(ColorTarget target);
  // N9: three general-colour dialogs in a row, for the three buttons.
  void chooseButtonColors();
  void chooseUserColor();   // User1
  void chooseReplyColor();  // Cpu1
  void chooseUserFont();    // User2
  void chooseReplyFont();   // Cpu2
  void chooseInputFont();   // Mystring1
  void restoreDefaults();   // N13

 private:
  void chooseLineColor(Color& held);
  void chooseLineFont(Font& held);

  Dialogue& d_;
  AppearanceHost& host_;
  DialogProvider& dialogs_;
};

}  // namespace sob
