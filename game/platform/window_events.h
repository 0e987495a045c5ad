#pragma once
// The window system's events and the keyboard, polled once per frame.
#include <cstdint>
#include <span>
#include <vector>

namespace brolt {

struct WindowEvent {
  enum class Kind { Quit, KeyDown, KeyUp };
  Kind kind = Kind::Quit;
  // SDL's scan code (the key's place) and key code (its meaning) of a key event.
  int scancode = 0;
  int keycode = 0;
  // A key-down sent again by the key repeat of a held key.
  bool repeat = false;
};

// Lets the pending events in and replaces `events` with those the game handles: the window being
// closed and keys going down or up.
void PollWindowEvents(std::vector<WindowEvent>& events);

// Whether each key is held, indexed by SDL scan code, as of the last poll.
std::span<const std::uint8_t> HeldKeys();

void ShowMouseCursor(bool shown);

}  // namespace brolt
