#pragma once
// Text in the bitmap font: one screen quad per character from the 8 x 8 glyph sheet, with centring
// and a travelling wave that moves and sizes the characters.
#include <cstdint>
#include <string_view>

#include "game/core/drawing/texture_id.h"

namespace brolt {

class Drawing;

// The texture that holds the font sheet.
constexpr std::int16_t kFontTexture = TexText;

// The glyph cell (column, row, both from 1) of a character, upper-cased first; false when the font
// has no glyph for it (the character still takes its place in the line).
bool FindGlyph(char character, std::int16_t& column, std::int16_t& row);

// Draws one line through drawing.DrawQuad. x 0 centres the line on 320 and y 0 puts it on 240; both
// computed values are written back. spinAngle is the wave's phase in degrees.
void DrawBitmapText(Drawing& drawing, std::int16_t spinAngle, std::string_view text, std::int16_t& x,
                    std::int16_t& y, std::int16_t size, std::int16_t angle, std::int16_t wave,
                    std::int16_t sizeWave, std::uint32_t colour);

}  // namespace brolt
