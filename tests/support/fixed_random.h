#pragma once
// A random source that always gives the same value, for rules whose outcome depends on Rnd.
#include "common/random.h"

namespace brolt::testing {

class FixedRandom : public Random {
 public:
  explicit FixedRandom(double value = 0.0) : value(value) {}
  double Rnd() override { return value; }
  double value;
};

}  // namespace brolt::testing
