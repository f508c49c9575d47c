#include "appearance/appearance_settings.h"

#include <deque>

#include "appearance/full_screen.h"
#include "support/engine_fixtures.h"

namespace sob {
namespace {

// Answers each dialog with the next prepared answer (nothing = cancel) and
// records what it was preselected with.
struct AnsweringDialogs : DialogProvider {
  std::deque<std::optional<Color>> colors;
  std::deque<std::optional<Font>> fonts;
  std::vector<Color> colorPreselections;
  std::optional<Color> chooseColor(const Color& preselected) override {
    colorPreselections.push_back(preselected);
    auto answer = colors.front();
    colors.pop_front();
    return answer;
  }
  std::optional<Font> chooseFont(const Font&, bool) override {
    auto answer = fonts.front();
    fonts.pop_front();
    return answer;
  }
};

struct RecordingAppearance : AppearanceHost {
  std::map<ColorTarget, Color> colors;
  std::string inputFontName;
  FontStyle inputStyle;
  bool defaultsMark = true;
  std::vector<std::string> calls;
  void setColor(ColorTarget target, const Color& color) override { colors[target] = color; }
  void setInputFontName(const std::string& name) override { inputFontName = name; }
  void setInputFontStyle(const FontStyle& style) override { inputStyle = style; }
  void setDefaultsMark(bool checked) override { defaultsMark = checked; }
  void restoreSelfTalkSettings() override { calls.push_back("self-talk defaults"); }
  void collapseAboutWindow() override { calls.push_back("about collapsed"); }
};

const Color kRed{255, 0, 0}, kGreen{0, 255, 0};

class Appearance : public ::testing::Test {
 protected:
  Dialogue dialogue;
  RecordingAppearance host;
  AnsweringDialogs dialogs;
  AppearanceSettings settings{dialogue, host, dialogs};
};

TEST_F(Appearance, AConfirmedColourIsHeldAndOfferedNextTime) {
  dialogs.colors = {kRed, std::nullopt};
  settings.chooseGeneralColor(ColorTarget::Window);
  settings.chooseGeneralColor(ColorTarget::Transcript);
  EXPECT_EQ(host.colors, (std::map<ColorTarget, Color>{{ColorTarget::Window, kRed}}));
  EXPECT_EQ(dialogs.colorPreselections, (std::vector<Color>{kBlack, kRed}));
  EXPECT_EQ(dialogue.held.general, kRed);
  EXPECT_FALSE(host.defaultsMark);
}

TEST_F(Appearance, ButtonColoursComeFromThreeDialogsInARow) {
  dialogs.colors = {std::nullopt, kGreen, std::nullopt};
  settings.chooseButtonColors();
  EXPECT_EQ(host.colors, (std::map<ColorTarget, Color>{{ColorTarget::UndoButton, kGreen}}));
}

TEST_F(Appearance, LineColoursAndFontsApplyToTheCurrentAttributesAtOnce) {
  dialogs.colors = {kRed};
  settings.chooseUserColor();
  EXPECT_EQ(dialogue.held.user, kRed);
  EXPECT_EQ(dialogue.transcript.attributes().color, kRed);

  dialogs.fonts = {Font{"Arial", 14, {.italic = true}}, std::nullopt};
  settings.chooseReplyFont();
  EXPECT_EQ(dialogue.transcript.attributes().font, (Font{"Arial", 14, {.italic = true}}));
  dialogue.transcript.attributes().font = Font{"Other", 20, {}};
  settings.chooseReplyFont();  // cancelled: size and style still applied, the name not
  EXPECT_EQ(dialogue.transcript.attributes().font, (Font{"Other", 14, {.italic = true}}));
}

TEST_F(Appearance, TheInputFontKeepsItsSize) {
  dialogs.fonts = {Font{"Courier", 8, {.bold = true}}, std::nullopt};
  settings.chooseInputFont();
  EXPECT_EQ(host.inputFontName, "Courier");
  EXPECT_TRUE(host.inputStyle.bold);
  EXPECT_EQ(dialogue.held.inputFont.size, 8);
}

TEST_F(Appearance, TheRestoreBringsBackTheFactoryDefaults) {
  dialogs.colors = {kRed, kGreen};
  settings.chooseGeneralColor(ColorTarget::Input);
  settings.chooseReplyColor();
  dialogue.held.userFont = Font{"Arial", 12, {}};
  dialogue.transcript.attributes().color = kGreen;
  settings.restoreDefaults();
  EXPECT_EQ(dialogue.held, HeldAppearance{});
  EXPECT_EQ(host.colors[ColorTarget::Input], kSilver);
  EXPECT_EQ(host.colors[ColorTarget::InputText], kBlack);
  EXPECT_TRUE(host.inputStyle.bold);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"self-talk defaults", "about collapsed"}));
  EXPECT_TRUE(host.defaultsMark);
  EXPECT_EQ(dialogue.transcript.attributes().color, kGreen);  // the restore leaves them
}

struct LayoutRecorder : FullScreenHost {
  bool checked = false;
  std::string caption = "&Full Screen";
  Geometry geometry{};
  bool fullScreenChecked() const override { return checked; }
  void showFullScreenItem(bool c, const std::string& text) override {
    checked = c;
    caption = text;
  }
  void applyGeometry(const Geometry& g) override { geometry = g; }
};

TEST(FullScreen, TogglesBetweenTheTwoLayouts) {
  LayoutRecorder host;
  toggleFullScreen(host);
  EXPECT_TRUE(host.checked);
  EXPECT_EQ(host.caption, "Normal");
  EXPECT_EQ(host.geometry, kFullScreenLayout);
  toggleFullScreen(host);
  EXPECT_EQ(host.caption, "Full Screen");
  EXPECT_EQ(host.geometry.transcriptHeight, 305);
  EXPECT_FALSE(host.geometry.maximised);
}

}  // namespace
}  // namespace sob
