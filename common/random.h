#pragma once
// The one uniform random source of a program. Rules take it by reference so that a test can seed it
// or replace it with a scripted or counting source.
#include <cstdint>
#include <random>

namespace brolt {

class Random {
 public:
  virtual ~Random() = default;
  // A value in [0, 1).
  virtual double Rnd() = 0;
};

class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed = 0) : engine_(seed) {}
  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  double Rnd() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace brolt
