// The random numbers of the program: a uniform whole number in 0..n-1,
// reseeded from the clock at the moments the program chooses.
#pragma once

namespace sob {

class Random {
 public:
  virtual ~Random() = default;
  // Reseeds the generator from the time of day.
  virtual void reseed() = 0;
  // A uniform whole number in 0..n-1; n <= 0 gives 0.
  virtual int below(int n) = 0;
  // A uniform whole number in 1..n; n <= 0 gives 1.
  int from1To(int n) { return below(n) + 1; }
};

// The generator the program runs with.
class ClockRandom : public Random {
 public:
  ClockRandom();
  void reseed() override;
  int below(int n) override;

 private:
  unsigned long long state_;
};

}  // namespace sob
