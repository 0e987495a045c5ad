#pragma once
// The animated row of object pictures above the text of a help page.
#include <cstdint>
#include <functional>
#include <string_view>

namespace brolt {

struct Game;

// What the row needs of one object type: the picture column and row a new cell of the type starts
// with, and its definition's sheet and flags.
struct HelpIconPicture {
  std::int16_t Frame = 1;
  std::int16_t FrameRow = 1;
  std::int16_t Texture = 0;
  bool IsCreature = false;
  bool IdleSpin = false;
  bool ShapedWall = false;
};

// Describes object type 0..99 from a fresh cell of that type and the type's object definition.
using HelpIconLookup = std::function<HelpIconPicture(std::int16_t type)>;

// Draws the pictures of a comma-separated list of object types in a row centred on x 320 at height
// y, 48 units apart; numbers outside 0..99 leave their place empty. On the frames of the 30-per-second
// tick the animation advances: the frame of the animated types, the rolling rock and unid through
// all 64 pictures of their sheet, and the turn of the key blocks.
void DrawHelpIcons(Game& game, std::string_view icons, std::int16_t y, const HelpIconLookup& lookup);

}  // namespace brolt
