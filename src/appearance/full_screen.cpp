#include "full_screen.h"

namespace sob {

void toggleFullScreen(FullScreenHost& host) {
  bool toFullScreen = !host.fullScreenChecked();
  host.showFullScreenItem(toFullScreen, toFullScreen ? "Normal" : "Full Screen");
  host.applyGeometry(toFullScreen ? kFullScreenLayout : kNormalLayout);
}

}  // namespace sob
