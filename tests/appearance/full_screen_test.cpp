#include "appearance/full_screen.h"

#include <gtest/gtest.h>

namespace sob {
namespace {

struct RecordingLayout : FullScreenHost {
  bool checked = false;
  std::string caption = "&Full Screen";
  Geometry geometry{false, 588, 313, 581, 303, 585, 312, 496, 453, 426, 422};  // the design
  bool fullScreenChecked() const override { return checked; }
  void showFullScreenItem(bool c, const std::string& text) override {
    checked = c;
    caption = text;
  }
  void applyGeometry(const Geometry& g) override { geometry = g; }
};

TEST(FullScreen, TwoChoicesBringBackTheDesignButTheTranscriptsHeight) {
  RecordingLayout host;
  const Geometry design = host.geometry;

  toggleFullScreen(host);
  EXPECT_TRUE(host.checked);
  EXPECT_EQ(host.caption, "Normal");
  EXPECT_EQ(host.geometry, (Geometry{true, 799, 507, 793, 499, 799, 507, 710, 667, 640, 635}));

  toggleFullScreen(host);
  EXPECT_FALSE(host.checked);
  EXPECT_EQ(host.caption, "Full Screen");
  Geometry returned = design;
  returned.transcriptHeight = 305;
  EXPECT_EQ(host.geometry, returned);
}

}  // namespace
}  // namespace sob
