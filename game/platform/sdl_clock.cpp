#include "game/platform/sdl_clock.h"

#include <SDL2/SDL.h>

namespace brolt {

std::int64_t SdlClock::PerformanceCounter() { return static_cast<std::int64_t>(SDL_GetPerformanceCounter()); }

std::int64_t SdlClock::PerformanceFrequency() {
  return static_cast<std::int64_t>(SDL_GetPerformanceFrequency());
}

std::uint32_t SdlClock::TickCount() { return SDL_GetTicks(); }

}  // namespace brolt
