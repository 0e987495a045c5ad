#pragma once
// The window system's events and the keyboard, polled once per frame.
#include <array>
#include <cstdint>
#include <span>
#include <string>
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

// The window's events and which keys are held. The held keys follow the key events the window
// receives, so keys pushed by a test script count as held just like keys the player presses; when
// the window loses the keyboard every key reads as up.
class WindowInput {
 public:
  static constexpr std::size_t kScanCodeCount = 512;

  // Lets the pending events in and replaces `events` with those the game handles: the window being
  // closed and keys going down or up.
  void Poll(std::vector<WindowEvent>& events);
  // Whether each key is held, indexed by SDL scan code, as of the last poll.
  std::span<const std::uint8_t> Held() const { return held_; }
  // Whether each key went down during the last poll, held still or not (key repeats don't count).
  std::span<const std::uint8_t> WentDown() const { return wentDown_; }
  // Queues a key going down or up as if pressed on the keyboard, by SDL's name of its scan code
  // ("Right", "Return", "Left Ctrl"). False for a name SDL does not know.
  static bool PushKey(const std::string& keyName, bool down);

 private:
  std::array<std::uint8_t, kScanCodeCount> held_{};
  std::array<std::uint8_t, kScanCodeCount> wentDown_{};
};

void ShowMouseCursor(bool shown);

}  // namespace brolt
