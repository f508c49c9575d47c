// Throughput of saving and loading a 10 MB phrase base as RTF. bytes_per_second
// counts the RTF document (what the save writes and the load reads);
// text_per_second counts the base's own text, its lines with CR LF.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cp1251.h"
#include "engine/rtf_reader.h"
#include "engine/rtf_writer.h"

namespace {

std::string cp1251(std::string_view utf8) { return sob::cp1251::fromUtf8(utf8).value(); }

// Lines of the shape of Words.Dat: main phrases with replies, branches of
// two levels and unanswered phrases, numbered so that no two are alike.
std::vector<std::string> phraseBase(std::size_t textBytes) {
  const std::array<std::string, 4> shapes = {
      cp1251("КАК ДЕЛА, ДРУГ? #^Хорошо.;А у тебя?;Всё отлично, спасибо!;"),
      cp1251("_ХОРОШО #^Что нового?;Рад слышать.;"),
      cp1251("__НИЧЕГО #^Жаль.;"),
      cp1251("Я ИДУ ДОМОЙ В # ЧАСОВ.^"),
  };
  std::vector<std::string> lines{""};  // line 0 is set aside
  std::size_t size = 2;
  for (std::size_t n = 0; size < textBytes; ++n) {
    std::string line = shapes[n % shapes.size()];
    line.replace(line.find('#'), 1, std::to_string(n));
    size += line.size() + 2;
    lines.push_back(std::move(line));
  }
  return lines;
}

const std::vector<std::string>& tenMegabyteBase() {
  static const std::vector<std::string> lines = phraseBase(10 << 20);
  return lines;
}

std::size_t textBytes(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  return size;
}

void reportBytes(benchmark::State& state, std::size_t documentBytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * documentBytes));
  state.counters["text_per_second"] = benchmark::Counter(static_cast<double>(textBytes(tenMegabyteBase())),
                                                         benchmark::Counter::kIsIterationInvariantRate,
                                                         benchmark::Counter::kIs1024);
}

void RtfSave(benchmark::State& state) {
  const auto& lines = tenMegabyteBase();
  std::size_t documentBytes = 0;
  for (auto _ : state) {
    std::string document = sob::rtf::writeCp1251Document(lines);
    documentBytes = document.size();
    benchmark::DoNotOptimize(document);
  }
  reportBytes(state, documentBytes);
}

void RtfLoad(benchmark::State& state) {
  const std::string document = sob::rtf::writeCp1251Document(tenMegabyteBase());
  for (auto _ : state) {
    auto lines = sob::rtf::readCp1251Lines(document);
    benchmark::DoNotOptimize(lines);
  }
  reportBytes(state, document.size());
}

BENCHMARK(RtfSave)->Unit(benchmark::kMillisecond);
BENCHMARK(RtfLoad)->Unit(benchmark::kMillisecond);

}  // namespace
