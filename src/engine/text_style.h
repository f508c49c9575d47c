// Colours and fonts as the engine knows them: the attributes a transcript
// line is shown in, and the six values the settings dialogs hold.
#pragma once

#include <cstdint>
#include <string>

namespace sob {

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kSilver{192, 192, 192};
inline constexpr Color kTeal{0, 128, 128};

struct FontStyle {
  bool bold = false, italic = false, underline = false, strikeOut = false;
  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;  // points
  FontStyle style;
  friend bool operator==(const Font&, const Font&) = default;
};

// What the next line added to the transcript is shown in.
struct TextAttributes {
  Color color;
  Font font;
  friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

// The values last confirmed in the six settings dialogs.
struct HeldAppearance {
  Color general;      // the idle remark's colour
  Color user;         // the user's lines
  Color reply;        // the computer's lines
  Font userFont;
  Font replyFont;
  Font inputFont;
  friend bool operator==(const HeldAppearance&, const HeldAppearance&) = default;
};

}  // namespace sob
