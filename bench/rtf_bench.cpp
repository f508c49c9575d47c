// Throughput of loading and saving a 10 MB phrase base as RTF.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/cp1251.h"
#include "engine/rtf_reader.h"
#include "engine/rtf_writer.h"

namespace {

std::vector<std::string> phraseBase(std::size_t bytes) {
  std::vector<std::string> lines;
  std::size_t size = 0;
  for (int n = 0; size < bytes; ++n) {
    std::string line = *sob::cp1251::fromUtf8((n % 3 ? "_ХОРОШО " : "КАК ДЕЛА, ДРУГ? ") + std::to_string(n) +
                                              "^Хорошо, спасибо.;А у тебя как дела?;Всё отлично!;");
    size += line.size() + 2;
    lines.push_back(std::move(line));
  }
  return lines;
}

const std::vector<std::string>& tenMegabytes() {
  static const std::vector<std::string> lines = phraseBase(10 << 20);
  return lines;
}

void RtfSave(benchmark::State& state) {
  const auto& lines = tenMegabytes();
  std::size_t written = 0;
  for (auto _ : state) {
    std::string document = sob::rtf::writeCp1251Document(lines);
    written += document.size();
    benchmark::DoNotOptimize(document);
  }
  state.SetBytesProcessed(static_cast<int64_t>(written));
}

void RtfLoad(benchmark::State& state) {
  const std::string document = sob::rtf::writeCp1251Document(tenMegabytes());
  for (auto _ : state) benchmark::DoNotOptimize(sob::rtf::readCp1251Lines(document));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}

BENCHMARK(RtfSave)->Unit(benchmark::kMillisecond);
BENCHMARK(RtfLoad)->Unit(benchmark::kMillisecond);

}  // namespace
