#include "sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <fstream>

namespace sob {
namespace {

bool isWaveFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char header[12] = {};
  in.read(header, sizeof header);
  return in && std::string_view(header, 4) == "RIFF" && std::string_view(header + 8, 4) == "WAVE";
}

}  // namespace

SoundPlayer::SoundPlayer(const FileStore& files, QObject* parent) : QObject(parent) {
  std::array<QString, kSoundFiles.size()> paths;
  for (std::size_t i = 0; i < kSoundFiles.size(); ++i) {
    auto path = files.resolve(kSoundFiles[i]);
    if (!path || !isWaveFile(*path)) throw FileError("Cannot open file " + std::string(kSoundFiles[i]));
    paths[i] = QString::fromStdString(path->string());
  }
  // The players are made now, not at the first sound: finding the sound
  // device can take a noticeable moment, which would otherwise stall the
  // first keystroke in the input line.
  if (QMediaDevices::audioOutputs().isEmpty()) return;
  for (std::size_t i = 0; i < kSoundFiles.size(); ++i) {
    effects_[i] = new QSoundEffect(this);
    effects_[i]->setSource(QUrl::fromLocalFile(paths[i]));
  }
}

SoundPlayer::~SoundPlayer() = default;

// Without a sound device there are no players, and nothing plays.
void SoundPlayer::play(Sound sound) {
  int i = static_cast<int>(sound);
  ++played_[i];
  if (effects_[i] && !effects_[i]->isPlaying()) effects_[i]->play();
}

}  // namespace sob
