// The colour and font dialogs of the settings menu, as the real program
// shows them.
#pragma once

#include "appearance/appearance_settings.h"

class QFontDialog;

namespace sob {

class QtDialogProvider : public DialogProvider {
 public:
  std::optional<Color> chooseColor(const Color& preselected) override;
  std::optional<Font> chooseFont(const Font& preselected, bool fixedSize) override;
};

// Sets a font dialog up as the settings want it: preselected, offering no
// effects (underline, strike-out), and with `fixedSize` only the
// preselected size.
void prepareFontDialog(QFontDialog& dialog, const Font& preselected, bool fixedSize);

}  // namespace sob
