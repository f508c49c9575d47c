// The six sounds of the main window and their files.
#pragma once

#include <array>
#include <string_view>

namespace sob {

enum class Sound {
  KeyClick,   // the input line changed
  UserLine,   // a turn writes the user's line
  Layout,     // the layout conversion runs
  Jitter,     // the window jitter starts
  Reply,      // a turn writes the reply; an idle remark
  Close,      // the closing animation
};

inline constexpr std::array<std::string_view, 6> kSoundFiles = {
    "Sound\\KeyBoard.wav", "Sound\\Button3.wav", "Sound\\Button2.wav",
    "Sound\\Button1.wav",  "Sound\\CpuSound.wav", "Sound\\Close.wav",
};

inline std::string_view soundFile(Sound sound) { return kSoundFiles[static_cast<int>(sound)]; }

}  // namespace sob
