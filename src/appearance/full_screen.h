// The two layouts of the main window: the normal one of its design and a
// full-screen one with fixed sizes, whatever the screen's size.
#pragma once

#include <string>

namespace sob {

struct Geometry {
  bool maximised;
  int frameWidth, frameHeight;            // TabControl1
  int transcriptWidth, transcriptHeight;  // RichEdit1
  int panelWidth, panelTop;               // TabControl2
  int sayLeft, layoutLeft, undoLeft;      // SpeedButton1, SpeedButton3, SpeedButton2
  int inputWidth;                         // Edit1
  friend bool operator==(const Geometry&, const Geometry&) = default;
};

// The normal layout after a return from full screen: the transcript is two
// pixels taller than at start.
inline constexpr Geometry kNormalLayout{false, 588, 313, 581, 305, 585, 312, 496, 453, 426, 422};
inline constexpr Geometry kFullScreenLayout{true, 799, 507, 793, 499, 799, 507, 710, 667, 640, 635};

class FullScreenHost {
 public:
  virtual ~FullScreenHost() = default;
  virtual bool fullScreenChecked() const = 0;
  virtual void showFullScreenItem(bool checked, const std::string& caption) = 0;
  virtual void applyGeometry(const Geometry& geometry) = 0;
};

// "&Full Screen": switches to the other layout.
void toggleFullScreen(FullScreenHost& host);

}  // namespace sob
