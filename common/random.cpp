#include "common/random.h"

namespace brolt {

double SeededRandom::Rnd() {
  // 53 random bits make every double in [0, 1) reachable and 1.0 impossible.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace brolt
