// One reply turn on generated knowledge bases of 1,000 to 100,000 lines,
// stored as plain text or as RTF: a main-search hit (the key on the last
// line, the worst place), a thread hit, and an unknown phrase that is learned.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "engine/cp1251.h"
#include "engine/dialogue.h"
#include "engine/file_store.h"
#include "engine/turn.h"

namespace {

std::string cp(const std::string& utf8) { return *sob::cp1251::fromUtf8(utf8); }

class QuietHost : public sob::TurnHost {
 public:
  std::string input;
  std::string inputText() const override { return input; }
  void clearInput() override {}
  std::string selfTalkPath() const override { return {}; }
  void setBusyCursor(bool) override {}
  void play(sob::Sound) override {}
  void disableKeyboardEnter() override {}
  void startClosingTimer() override {}
};

// A data folder with a phrase base of `lines` lines: main phrases, each
// with two branches, and the searched key on the last main line.
class GeneratedBase {
 public:
  GeneratedBase(int lines, bool rtf) : root_(std::filesystem::temp_directory_path() / ("sob-bench-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "Base");
    sob::LineList words(sob::ListKind::Rich);
    words.add(cp("Слова"));
    while (words.count() < lines - 2) {
      int n = words.count();
      words.add(cp("ФРАЗА НОМЕР " + std::to_string(n) + "?^Ответ " + std::to_string(n) + ".;Другой ответ.;"));
      words.add(cp("_ВЕТКА " + std::to_string(n) + "^Ответ ветки.;"));
      words.add(cp("__ГЛУБЖЕ " + std::to_string(n) + "^Ответ глубже.;"));
    }
    words.add(cp("ИСКОМАЯ ФРАЗА^Нашлась.;"));
    words.add(cp("_ПРОДОЛЖЕНИЕ^Нить.;"));
    write("Words.Dat", words, rtf);
    for (const char* name : {"W1.Dat", "W2.Dat", "Pause.Dat", "Povtor.Dat", "X.Dat", "BigString.Dat"}) {
      write(name, sob::LineList(sob::ListKind::Rich, {cp("Понятно."), cp("Расскажи ещё.")}), rtf);
    }
  }
  ~GeneratedBase() { std::filesystem::remove_all(root_); }
  sob::FileStore files() const { return sob::FileStore(root_); }

 private:
  void write(const std::string& name, const sob::LineList& list, bool rtf) {
    std::ofstream(root_ / "Base" / name, std::ios::binary) << (rtf ? list.fileBytes() : list.wholeText());
  }
  std::filesystem::path root_;
};

// A dialogue on a generated base, as a window holds it.
struct Conversation {
  explicit Conversation(const benchmark::State& state)
      : base(static_cast<int>(state.range(0)), state.range(1)), files(base.files()) {}

  void say(const std::string& phrase) {
    host.input = phrase;
    runTurn(dialogue, host, files, random);
  }
  // Starts afresh outside any thread, as a new conversation would.
  void leaveThread() {
    dialogue.state.threadDepth = 0;
    dialogue.transcript.clear();
  }

  GeneratedBase base;
  sob::FileStore files;
  sob::Dialogue dialogue;
  QuietHost host;
  sob::ClockRandom random;
};

void MainSearchHit(benchmark::State& state) {
  Conversation conversation(state);
  const std::string phrase = cp("искомая фраза");
  for (auto _ : state) {
    conversation.leaveThread();
    conversation.say(phrase);
  }
}

void ThreadHit(benchmark::State& state) {
  Conversation conversation(state);
  const std::string opening = cp("искомая фраза"), branch = cp("продолжение");
  for (auto _ : state) {
    state.PauseTiming();
    conversation.leaveThread();
    conversation.say(opening);
    state.ResumeTiming();
    conversation.say(branch);
  }
}

void LearnedUnknownPhrase(benchmark::State& state) {
  Conversation conversation(state);
  conversation.dialogue.state.previousReply = cp("Понятно.");
  int n = 0;
  for (auto _ : state) conversation.say(cp("незнакомая мысль " + std::to_string(n++)));
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"lines", "rtf"});
  for (int rtf : {0, 1}) {
    for (int lines : {1000, 10000, 100000}) b->Args({lines, rtf});
  }
  b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(MainSearchHit)->Apply(Sizes);
BENCHMARK(ThreadHit)->Apply(Sizes);
BENCHMARK(LearnedUnknownPhrase)->Apply(Sizes);

}  // namespace
