#include "common/random.h"

#include <gtest/gtest.h>

namespace brolt {
namespace {

TEST(SeededRandom, StaysInTheUnitIntervalAndRepeatsForASeed) {
  SeededRandom a(42), b(42);
  double low = 1.0, high = 0.0;
  for (int i = 0; i < 10000; ++i) {
    double value = a.Rnd();
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
    ASSERT_EQ(value, b.Rnd());
    low = std::min(low, value);
    high = std::max(high, value);
  }
  EXPECT_LT(low, 0.01);
  EXPECT_GT(high, 0.99);
  a.Seed(7);
  b.Seed(7);
  EXPECT_EQ(a.Rnd(), b.Rnd());
}

}  // namespace
}  // namespace brolt
