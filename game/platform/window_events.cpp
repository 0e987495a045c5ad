#include "game/platform/window_events.h"

#include <SDL2/SDL.h>

namespace brolt {

static_assert(WindowInput::kScanCodeCount == SDL_NUM_SCANCODES);

void WindowInput::Poll(std::vector<WindowEvent>& events) {
  events.clear();
  wentDown_.fill(0);
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_QUIT:
        events.push_back({WindowEvent::Kind::Quit, 0, 0, false});
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const bool down = event.type == SDL_KEYDOWN;
        const auto scancode = static_cast<std::size_t>(event.key.keysym.scancode);
        if (scancode < held_.size()) {
          held_[scancode] = down ? 1 : 0;
          if (down && event.key.repeat == 0) wentDown_[scancode] = 1;
        }
        events.push_back({down ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp, event.key.keysym.scancode,
                          event.key.keysym.sym, event.key.repeat != 0});
        break;
      }
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) held_.fill(0);
        break;
      default:
        break;
    }
  }
}

bool WindowInput::PushKey(const std::string& keyName, bool down) {
  const SDL_Scancode scancode = SDL_GetScancodeFromName(keyName.c_str());
  if (scancode == SDL_SCANCODE_UNKNOWN) return false;
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  return SDL_PushEvent(&event) == 1;
}

void ShowMouseCursor(bool shown) { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

}  // namespace brolt
