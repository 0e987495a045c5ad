#include "game/platform/window_events.h"

#include <SDL2/SDL.h>

namespace brolt {

void PollWindowEvents(std::vector<WindowEvent>& events) {
  events.clear();
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_QUIT:
        events.push_back({WindowEvent::Kind::Quit, 0, 0, false});
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        events.push_back({event.type == SDL_KEYDOWN ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp,
                          event.key.keysym.scancode, event.key.keysym.sym, event.key.repeat != 0});
        break;
      default:
        break;
    }
  }
}

std::span<const std::uint8_t> HeldKeys() {
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  return {keys, static_cast<std::size_t>(count)};
}

void ShowMouseCursor(bool shown) { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

}  // namespace brolt
