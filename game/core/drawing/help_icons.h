#pragma once
// The animated row of object pictures above the text of a help page.
#include <cstdint>
#include <string_view>

namespace brolt {

struct Game;

// Draws the pictures of a comma-separated list of object types, each as a fresh cell of its type, in a row centred on x 320 at height
// y, 48 units apart; numbers outside 0..99 leave their place empty. On the frames of the 30-per-second
// tick the animation advances: the frame of the animated types, the rolling rock and unid through
// all 64 pictures of their sheet, and the turn of the key blocks.
void DrawHelpIcons(Game& game, std::string_view icons, std::int16_t y);

}  // namespace brolt
