#pragma once
// The keyboard as the game numbers it. SDL names a key's place by its scan code and its meaning by
// its key code; the keyboard poll counts places in the game's own scan-code numbering, and the
// window's key events count meanings in virtual-key codes.
#include <cstdint>
#include <span>
#include <vector>

#include "game/core/state/keyboard_state.h"
#include "game/platform/window_events.h"

namespace brolt {

struct Game;

// The game's scan code of the key at an SDL scan code; 0 for a key the game has no number for.
int GameScanCode(int sdlScancode);

// The virtual-key code of an SDL key code: letters as their capitals, digits, Space, Backspace,
// Enter and Escape; 0 for any other key.
int WindowKeyCode(int sdlKeycode);

// The keys read in the game's numbering, from SDL's tables by SDL scan code of the keys held and
// of the keys that went down since the last read.
void MapHeldKeys(std::span<const std::uint8_t> sdlHeld, std::span<const std::uint8_t> sdlWentDown,
                 HeldKeyTable& held);

// The same from the keyboard as of the last event poll (all up once the window lost the keyboard).
void ReadHeldKeys(const WindowInput& input, HeldKeyTable& held);

// Hands the key events of the window (repeats included) to the game's window key handlers.
void DeliverWindowKeys(Game& game, const std::vector<WindowEvent>& events);

}  // namespace brolt
