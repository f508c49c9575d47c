// The colour and font dialogs of the settings menu, as the real program
// shows them.
#pragma once

#include "appearance/appearance_settings.h"

namespace sob {

class QtDialogProvider : public DialogProvider {
 public:
  std::optional<Color> chooseColor(const Color& preselected) override;
  std::optional<Font> chooseFont(const Font& preselected, bool fixedSize) override;
};

}  // namespace sob
