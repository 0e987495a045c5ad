#include "game/core/interfaces/clock.h"

#include <chrono>

namespace brolt {

int Clock::CurrentYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day(today).year());
}

}  // namespace brolt
