// Helpers shared by the engine and console tests: a temporary data folder
// with a knowledge base written from UTF-8 lines, a scripted random source,
// and a turn host that records what the turn asked of its window.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "engine/file_store.h"
#include "engine/random.h"
#include "engine/turn.h"

namespace sob::testing {

inline std::string cp(std::string_view utf8) {
  auto text = cp1251::fromUtf8(utf8);
  EXPECT_TRUE(text.has_value()) << utf8;
  return text.value_or("");
}

inline std::string utf8(std::string_view cp1251Text) { return cp1251::toUtf8(cp1251Text); }

inline std::vector<std::string> utf8Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  for (const auto& line : lines) result.push_back(utf8(line));
  return result;
}

// A data folder of its own for each test, removed afterwards.
class DataFolder {
 public:
  DataFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("sob-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
    std::filesystem::create_directories(path_ / "Base");
  }
  ~DataFolder() { std::filesystem::remove_all(path_); }

  const std::filesystem::path& path() const { return path_; }
  FileStore files() const { return FileStore(path_); }

  // Writes Base/<name> as plain Windows-1251 text, each line ended by CR LF.
  void write(const std::string& name, const std::vector<std::string>& utf8Lines) const {
    std::string bytes;
    for (const auto& line : utf8Lines) bytes += cp(line) + "\r\n";
    writeBytes(name, bytes);
  }
  void writeBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / "Base" / name, std::ios::binary) << bytes;
  }
  std::string readBytes(const std::string& name) const {
    std::ifstream in(path_ / "Base" / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  // The lines of Base/<name> as the program reads them, in UTF-8.
  std::vector<std::string> lines(const std::string& name) const {
    LineList list(ListKind::Rich);
    list.setFileBytes(readBytes(name));
    return utf8Lines(list.lines());
  }
  // A complete small knowledge base: one reply in each reply file.
  void writeStandardBase(const std::vector<std::string>& words) const {
    write("Words.Dat", words);
    write("Pause.Dat", {"Ты здесь?"});
    write("Povtor.Dat", {"Ты повторяешься."});
    write("X.Dat", {"Не груби."});
    write("BigString.Dat", {"Слишком длинно."});
    write("W1.Dat", {"Не знаю.", "А ты как думаешь?"});
    write("W2.Dat", {"Понятно.", "Расскажи ещё."});
  }

 private:
  static int& counter() {
    static int n = 0;
    return n;
  }
  std::filesystem::path path_;
};

// Gives the scripted numbers in turn (each kept below n), then 0.
class ScriptedRandom : public Random {
 public:
  std::deque<int> next;
  int reseeds = 0;

  void reseed() override { ++reseeds; }
  int below(int n) override {
    if (n <= 0) return 0;
    if (next.empty()) return 0;
    int value = next.front();
    next.pop_front();
    return value % n;
  }
};

class RecordingHost : public TurnHost {
 public:
  std::string input;
  std::string path;
  std::vector<std::string> calls;

  std::string inputText() const override { return input; }
  void clearInput() override {
    input.clear();
    calls.push_back("clearInput");
  }
  std::string selfTalkPath() const override { return path; }
  void setBusyCursor(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
  void play(Sound sound) override { calls.push_back("play " + std::string(soundFile(sound))); }
  void disableKeyboardEnter() override { calls.push_back("disableKeyboardEnter"); }
  void startClosingTimer() override { calls.push_back("startClosingTimer"); }
};

}  // namespace sob::testing
