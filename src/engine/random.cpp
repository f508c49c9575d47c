#include "random.h"

#include <chrono>

namespace sob {
namespace {

unsigned long long millisecondsOfDay() {
  using namespace std::chrono;
  auto now = system_clock::now().time_since_epoch();
  return duration_cast<milliseconds>(now).count() % (24ULL * 60 * 60 * 1000);
}

}  // namespace

ClockRandom::ClockRandom() { reseed(); }

void ClockRandom::reseed() { state_ = millisecondsOfDay() * 0x9E3779B97F4A7C15ULL + 1; }

int ClockRandom::below(int n) {
  if (n <= 0) return 0;
  // splitmix64: a small, well-mixed generator.
  unsigned long long z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<int>(z % static_cast<unsigned long long>(n));
}

}  // namespace sob
