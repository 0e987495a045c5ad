#pragma once
// The game window's own key events, numbered by the window system's key codes (the virtual-key
// numbering: 8 Backspace, 32 Space, 48 to 57 the digits, 65 to 90 the letters). They carry the
// record holder's name typed on the level-complete screen and the key that leaves the credits;
// the keyboard poll handles every other key.
namespace brolt {

struct Game;

namespace window_key {
constexpr int Backspace = 8;
constexpr int Space = 32;
}  // namespace window_key

// A key went down (or repeats while held). During the name entry Space, digits and letters add
// their character to the name, up to five, and Backspace takes the last one off, each with a key
// click; keys that change nothing are silent, and so are keys typed while the help or the options
// cover the name entry. On the credits any key ends the game.
void Form_KeyDown(Game& game, int keyCode);

// A key went up: the Thresher's push count and the switch latch start afresh.
void Form_KeyUp(Game& game, int keyCode);

}  // namespace brolt
