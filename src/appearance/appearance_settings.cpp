#include "appearance_settings.h"

namespace sob {
namespace {

// "Сказать", "<" and "E/R", in the order N9 asks for their colours.
constexpr ColorTarget kButtons[] = {ColorTarget::SayButton, ColorTarget::UndoButton, ColorTarget::LayoutButton};

}  // namespace

// Every item but the restore clears the defaults mark before its dialog
// opens, and a cancel does not bring it back.
void AppearanceSettings::chooseGeneralColor(ColorTarget target) {
  host_.setDefaultsMark(false);
  if (auto color = dialogs_.chooseColor(d_.held.general)) {
    d_.held.general = *color;
    host_.setColor(target, *color);
  }
}

void AppearanceSettings::chooseButtonColors() {
  host_.setDefaultsMark(false);
  for (ColorTarget button : kButtons) {
    if (auto color = dialogs_.chooseColor(d_.held.general)) {
      d_.held.general = *color;
      host_.setColor(button, *color);
    }
  }
}

// The user's and the computer's colours apply at once to the transcript's
// current attributes, so the next line written in between shows them too.
void AppearanceSettings::chooseLineColor(Color& held) {
  host_.setDefaultsMark(false);
  if (auto color = dialogs_.chooseColor(held)) {
    held = *color;
    d_.transcript.attributes().color = *color;
  }
}

void AppearanceSettings::chooseUserColor() { chooseLineColor(d_.held.user); }
void AppearanceSettings::chooseReplyColor() { chooseLineColor(d_.held.reply); }

// A cancelled dialog still applies the size and style it holds.
void AppearanceSettings::chooseLineFont(Font& held) {
  host_.setDefaultsMark(false);
  TextAttributes& current = d_.transcript.attributes();
  if (auto font = dialogs_.chooseFont(held, false)) {
    held = *font;
    current.font.name = font->name;
  }
  current.font.size = held.size;
  current.font.style = held.style;
}

void AppearanceSettings::chooseUserFont() { chooseLineFont(d_.held.userFont); }
void AppearanceSettings::chooseReplyFont() { chooseLineFont(d_.held.replyFont); }

// The input line's size never changes: only 8 points can be chosen.
void AppearanceSettings::chooseInputFont() {
  host_.setDefaultsMark(false);
  if (auto font = dialogs_.chooseFont(d_.held.inputFont, true)) {
    d_.held.inputFont = {font->name, d_.held.inputFont.size, font->style};
    host_.setInputFontName(font->name);
  }
  host_.setInputFontStyle(d_.held.inputFont.style);
}

// The input line comes back bold in the font name it had; the restore leaves
// the transcript's current attributes, the layout and the mode alone.
void AppearanceSettings::restoreDefaults() {
  for (ColorTarget target : {ColorTarget::Window, ColorTarget::Transcript, ColorTarget::Input}) {
    host_.setColor(target, kSilver);
  }
  host_.setColor(ColorTarget::InputText, kBlack);
  host_.setInputFontStyle({.bold = true});
  for (ColorTarget button : kButtons) {
    host_.setColor(button, kBlack);
  }
  d_.held.general = d_.held.user = d_.held.reply = kBlack;
  d_.held.userFont = d_.held.replyFont = Font{};
  d_.held.inputFont.name = Font{}.name;
  d_.held.inputFont.size = Font{}.size;
  host_.restoreSelfTalkSettings();
  host_.collapseAboutWindow();
  host_.setDefaultsMark(true);
}

}  // namespace sob
