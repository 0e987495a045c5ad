#pragma once
// The keyboard of every screen: once a frame the held keys become the KeyDown and KeyPressed tables
// (with the accelerating repeat of the menus), and the keys that act on any screen are applied:
// depth and zoom, the frame-rate and background switches, help, options, Enter and Escape.
#include "game/core/state/keyboard_state.h"

namespace brolt {

struct Game;

// Empties the key tables: no key reads as down or pressed before the first poll.
void InitKeyboard(Game& game);

// One frame of the keyboard, from the keys held now (by scan code).
void PollKeyboard(Game& game, const HeldKeyTable& held);

}  // namespace brolt
