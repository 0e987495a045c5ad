#pragma once
// The one uniform random source of a program. Rules take it by reference so that a test can seed it
// or replace it with a scripted or counting source.
#include <array>
#include <cstddef>
#include <cstdint>

namespace brolt {

class Random {
 public:
  virtual ~Random() = default;
  // A value in [0, 1).
  virtual double Rnd() = 0;
};

// The 64-bit Mersenne Twister: exactly the numbers of std::mt19937_64 for the same seed. The level
// drawing draws a number for most corners it draws, so the state is renewed in plain loops that
// the compiler turns into vector code, tempered there too, and a draw only reads the next value.
class MersenneTwister64 {
 public:
  explicit MersenneTwister64(std::uint64_t seed) { Seed(seed); }
  void Seed(std::uint64_t seed);
  std::uint64_t operator()() {
    if (next_ == kStateSize) Regenerate();
    return tempered_[next_++];
  }

 private:
  static constexpr std::size_t kStateSize = 312;
  void Regenerate();

  std::array<std::uint64_t, kStateSize> state_;
  // The state's words tempered, the numbers the next draws give.
  std::array<std::uint64_t, kStateSize> tempered_;
  std::size_t next_ = kStateSize;
};

class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed = 0) : engine_(seed) {}
  void Seed(std::uint64_t seed) { engine_.Seed(seed); }
  double Rnd() override {
    // 53 random bits make every double in [0, 1) reachable and 1.0 impossible. They fit a signed
    // 64-bit number, whose conversion is one instruction.
    return static_cast<double>(static_cast<std::int64_t>(engine_() >> 11)) * 0x1.0p-53;
  }

 private:
  MersenneTwister64 engine_;
};

}  // namespace brolt
