#include "appearance/appearance_settings.h"

#include <deque>

#include "support/engine_fixtures.h"

namespace sob {
namespace {

std::string name(ColorTarget target) {
  static const char* const kTargets[] = {"window", "transcript", "input", "input text", "Сказать", "<", "E/R"};
  return kTargets[static_cast<int>(target)];
}

std::string describe(ColorTarget target, const Color& c) {
  return name(target) + " " + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// Answers each dialog with the next prepared answer (nothing = cancel) and
// records what it was preselected with.
struct AnsweringDialogs : DialogProvider {
  std::deque<std::optional<Color>> colors;
  std::deque<std::optional<Font>> fonts;
  std::vector<Color> colorPreselections;
  std::vector<Font> fontPreselections;
  std::vector<bool> fixedSizes;

  std::optional<Color> chooseColor(const Color& preselected) override {
    colorPreselections.push_back(preselected);
    return next(colors);
  }
  std::optional<Font> chooseFont(const Font& preselected, bool fixedSize) override {
    fontPreselections.push_back(preselected);
    fixedSizes.push_back(fixedSize);
    return next(fonts);
  }
  template <typename T>
  static std::optional<T> next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) ADD_FAILURE() << "a dialog opened that the test did not expect";
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Keeps what the window shows and logs every change in order.
struct RecordingAppearance : AppearanceHost {
  std::map<ColorTarget, Color> colors;
  std::string inputFontName = "MS Sans Serif";
  FontStyle inputStyle;
  bool defaultsMark = true;
  std::vector<std::string> log;

  void setColor(ColorTarget target, const Color& color) override {
    colors[target] = color;
    log.push_back(describe(target, color));
  }
  void setInputFontName(const std::string& name) override {
    inputFontName = name;
    log.push_back("input font " + name);
  }
  void setInputFontStyle(const FontStyle& style) override {
    inputStyle = style;
    log.push_back(std::string("input style") + (style.bold ? " bold" : "") + (style.italic ? " italic" : ""));
  }
  void setDefaultsMark(bool checked) override {
    defaultsMark = checked;
    log.push_back(checked ? "mark" : "unmark");
  }
  void restoreSelfTalkSettings() override { log.push_back("self-talk defaults"); }
  void collapseAboutWindow() override { log.push_back("about collapsed"); }
};

const Color kRed{255, 0, 0}, kGreen{0, 255, 0};
const Font kArialBold{"Arial", 14, {.bold = true}};

class Appearance : public ::testing::Test {
 protected:
  Dialogue dialogue;
  RecordingAppearance host;
  AnsweringDialogs dialogs;
  AppearanceSettings settings{dialogue, host, dialogs};
  TextAttributes& current() { return dialogue.transcript.attributes(); }
};

// N6, N21, N16 and Mystring2 share the general colour of one dialog.
TEST_F(Appearance, TheGeneralColourItemsPaintTheirTargetAndShareOneHeldValue) {
  for (ColorTarget target : {ColorTarget::Window, ColorTarget::Transcript, ColorTarget::Input,
                             ColorTarget::InputText}) {
    SCOPED_TRACE(name(target));
    Dialogue freshDialogue;
    RecordingAppearance freshHost;
    AnsweringDialogs answers;
    AppearanceSettings fresh(freshDialogue, freshHost, answers);
    answers.colors = {std::nullopt, kRed, std::nullopt};

    fresh.chooseGeneralColor(target);  // cancelled: only the mark goes
    EXPECT_EQ(freshHost.log, std::vector<std::string>{"unmark"});
    fresh.chooseGeneralColor(target);
    EXPECT_EQ(freshHost.colors, (std::map<ColorTarget, Color>{{target, kRed}}));
    EXPECT_EQ(freshDialogue.held.general, kRed);
    fresh.chooseGeneralColor(ColorTarget::Window);  // opens with the colour last confirmed
    EXPECT_EQ(answers.colorPreselections, (std::vector<Color>{kBlack, kBlack, kRed}));
    EXPECT_FALSE(freshHost.defaultsMark);
  }
}

TEST_F(Appearance, ButtonColoursComeFromThreeDialogsEachStandingAlone) {
  dialogs.colors = {std::nullopt, kGreen, std::nullopt};
  settings.chooseButtonColors();
  EXPECT_EQ(host.colors, (std::map<ColorTarget, Color>{{ColorTarget::UndoButton, kGreen}}));
  EXPECT_EQ(dialogs.colorPreselections, (std::vector<Color>{kBlack, kBlack, kGreen}));
  EXPECT_EQ(dialogue.held.general, kGreen);

  dialogs.colors = {kGreen, kGreen, kGreen};  // confirmed unchanged: all three alike
  settings.chooseButtonColors();
  EXPECT_EQ(host.colors.size(), 3u);
  for (const auto& [button, color] : host.colors) EXPECT_EQ(color, kGreen);
}

TEST_F(Appearance, LineColoursAreHeldApartAndApplyToTheCurrentAttributesAtOnce) {
  dialogs.colors = {kRed, kGreen, std::nullopt};
  settings.chooseUserColor();
  EXPECT_EQ(current().color, kRed);
  settings.chooseReplyColor();
  EXPECT_EQ(current().color, kGreen);
  settings.chooseUserColor();  // cancelled
  EXPECT_EQ(current().color, kGreen);
  EXPECT_EQ(dialogue.held.user, kRed);
  EXPECT_EQ(dialogue.held.reply, kGreen);
  EXPECT_EQ(dialogue.held.general, kBlack);
  EXPECT_EQ(dialogs.colorPreselections, (std::vector<Color>{kBlack, kBlack, kRed}));
  EXPECT_TRUE(host.colors.empty());
  EXPECT_FALSE(host.defaultsMark);
}

// A cancelled font dialog still gives the current attributes the size and
// style it holds; only the name waits for a confirmation.
TEST_F(Appearance, LineFontsApplyTheirSizeAndStyleEvenAfterACancel) {
  struct Item {
    const char* name;
    void (AppearanceSettings::*choose)();
    Font HeldAppearance::*held;
  } const items[] = {{"User2", &AppearanceSettings::chooseUserFont, &HeldAppearance::userFont},
                     {"Cpu2", &AppearanceSettings::chooseReplyFont, &HeldAppearance::replyFont}};
  for (const Item& item : items) {
    SCOPED_TRACE(item.name);
    Dialogue d;
    RecordingAppearance h;
    AnsweringDialogs answers;
    AppearanceSettings s(d, h, answers);
    answers.fonts = {kArialBold, std::nullopt};

    (s.*item.choose)();
    EXPECT_EQ(d.transcript.attributes().font, kArialBold);
    EXPECT_EQ(d.held.*item.held, kArialBold);
    d.transcript.attributes().font = Font{"Other", 20, {.italic = true}};
    (s.*item.choose)();
    EXPECT_EQ(d.transcript.attributes().font, (Font{"Other", 14, {.bold = true}}));
    EXPECT_EQ(answers.fontPreselections, (std::vector<Font>{Font{}, kArialBold}));
    EXPECT_EQ(answers.fixedSizes, (std::vector<bool>{false, false}));
    EXPECT_EQ(h.log, (std::vector<std::string>{"unmark", "unmark"}));
  }
}

TEST_F(Appearance, TheInputFontNeverChangesTheInputLinesSize) {
  dialogs.fonts = {Font{"Courier", 8, {.italic = true}}, std::nullopt};
  settings.chooseInputFont();
  EXPECT_EQ(host.log, (std::vector<std::string>{"unmark", "input font Courier", "input style italic"}));
  EXPECT_EQ(dialogue.held.inputFont, (Font{"Courier", 8, {.italic = true}}));

  host.log.clear();
  settings.chooseInputFont();  // cancelled: the held style is applied again, the name is not
  EXPECT_EQ(host.log, (std::vector<std::string>{"unmark", "input style italic"}));
  EXPECT_EQ(dialogs.fixedSizes, (std::vector<bool>{true, true}));
  EXPECT_EQ(current(), TextAttributes{});
}

TEST_F(Appearance, TheRestoreBringsBackTheFactoryDefaultsInItsOrder) {
  dialogs.colors = {kRed, kGreen, kGreen};
  dialogs.fonts = {kArialBold, kArialBold, Font{"Courier", 8, {.italic = true}}};
  settings.chooseGeneralColor(ColorTarget::Input);
  settings.chooseUserColor();
  settings.chooseReplyColor();
  settings.chooseUserFont();
  settings.chooseReplyFont();
  settings.chooseInputFont();
  const TextAttributes before = current();
  host.log.clear();

  settings.restoreDefaults();
  EXPECT_EQ(host.log, (std::vector<std::string>{
                          "window 192,192,192", "transcript 192,192,192", "input 192,192,192",
                          "input text 0,0,0", "input style bold",
                          "Сказать 0,0,0", "< 0,0,0", "E/R 0,0,0",
                          "self-talk defaults", "about collapsed", "mark"}));
  HeldAppearance expected;
  expected.inputFont.style = {.italic = true};  // the input font keeps its style
  EXPECT_EQ(dialogue.held, expected);
  EXPECT_EQ(host.inputFontName, "Courier");  // the input line keeps its font name
  EXPECT_EQ(current(), before);              // the restore leaves the current attributes
}

}  // namespace
}  // namespace sob
