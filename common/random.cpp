#include "common/random.h"

namespace brolt {

namespace {

constexpr std::size_t kShift = 156;
constexpr std::uint64_t kUpperBits = ~std::uint64_t{0} << 31;
constexpr std::uint64_t kLowerBits = ~kUpperBits;
constexpr std::uint64_t kTwistMatrix = 0xb5026f5aa96619e9;

// One new state word from the word it replaces, the word after it and the word kShift ahead. The
// matrix is applied by a mask rather than a branch, so that the loops over the state vectorise.
std::uint64_t Twist(std::uint64_t word, std::uint64_t following, std::uint64_t ahead) {
  const std::uint64_t y = (word & kUpperBits) | (following & kLowerBits);
  return ahead ^ (y >> 1) ^ ((std::uint64_t{0} - (y & 1)) & kTwistMatrix);
}

std::uint64_t Temper(std::uint64_t z) {
  z ^= (z >> 29) & 0x5555555555555555;
  z ^= (z << 17) & 0x71d67fffeda60000;
  z ^= (z << 37) & 0xfff7eee000000000;
  return z ^ (z >> 43);
}

}  // namespace

void MersenneTwister64::Seed(std::uint64_t seed) {
  state_[0] = seed;
  for (std::size_t i = 1; i < kStateSize; ++i)
    state_[i] = 6364136223846793005 * (state_[i - 1] ^ (state_[i - 1] >> 62)) + i;
  next_ = kStateSize;
}

void MersenneTwister64::Regenerate() {
  constexpr std::size_t n = kStateSize;
  for (std::size_t k = 0; k < n - kShift; ++k) state_[k] = Twist(state_[k], state_[k + 1], state_[k + kShift]);
  // An even count of words, so that the loop vectorises with no remainder; the last two follow.
  for (std::size_t k = n - kShift; k < n - 2; ++k)
    state_[k] = Twist(state_[k], state_[k + 1], state_[k + kShift - n]);
  state_[n - 2] = Twist(state_[n - 2], state_[n - 1], state_[kShift - 2]);
  state_[n - 1] = Twist(state_[n - 1], state_[0], state_[kShift - 1]);
  for (std::size_t k = 0; k < n; ++k) tempered_[k] = Temper(state_[k]);
  next_ = 0;
}

}  // namespace brolt
