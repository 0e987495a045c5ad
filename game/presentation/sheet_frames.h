#pragma once
// Where a frame of a texture sheet lies: a sheet is cut into columns x rows equal frames, chosen by
// a column and a row counted from 1 (rows from the top of the picture). The rectangle is inset by
// 0.002 on each side so that linear filtering never reaches a neighbouring frame.
#include "game/core/render_device.h"

namespace brolt {

struct FrameRect {
  float left, right, top, bottom;
};

FrameRect SheetFrame(float columns, float rows, int column, int row);

// Puts the frame on a quad's corners: 0 (left, bottom), 1 (left, top), 2 (right, bottom),
// 3 (right, top); mirrored swaps left and right.
void ApplyFrame(Quad& quad, const FrameRect& frame, bool mirrored = false);

// Degrees to radians as the game has always turned them: by 3.14159 / 180, not the exact pi.
constexpr double kDegreesToRadians = 0.017453277777777776;

}  // namespace brolt
