// The six sounds of the main window. Each file is checked when the window
// is made (a missing or unreadable WAV file stops the program before any
// window shows); a machine without a sound device simply plays nothing.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <filesystem>
#include <memory>

#include "engine/file_store.h"
#include "engine/sound.h"

class QSoundEffect;

namespace sob {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  // Throws FileError when a sound file cannot be opened.
  SoundPlayer(const FileStore& files, QObject* parent);
  ~SoundPlayer() override;

  // A sound that still plays goes on and is not restarted.
  void play(Sound sound);
  int timesPlayed(Sound sound) const { return played_[static_cast<int>(sound)]; }

 private:
  std::array<QSoundEffect*, kSoundFiles.size()> effects_{};
  std::array<int, kSoundFiles.size()> played_{};
};

}  // namespace sob
