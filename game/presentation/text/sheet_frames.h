#pragma once
// Where a frame of a texture sheet lies: a sheet is cut into columns x rows equal frames, chosen by
// a column and a row counted from 1 (rows from the top of the picture). The rectangle is inset by
// 0.002 on each side so that linear filtering never reaches a neighbouring frame. Every sprite of
// every frame takes its rectangle here, so both steps are inline.
#include "game/core/interfaces/render_device.h"

namespace brolt {

struct FrameRect {
  float left, right, top, bottom;
};

inline FrameRect SheetFrame(float columns, float rows, int column, int row) {
  constexpr float kInset = 0.002f;
  return {column / columns - 1.0f / columns + kInset, column / columns - kInset,
          row / rows - 1.0f / rows + kInset, row / rows - kInset};
}

// Puts the frame on a quad's corners: 0 (left, bottom), 1 (left, top), 2 (right, bottom),
// 3 (right, top); mirrored swaps left and right.
inline void ApplyFrame(Quad& quad, const FrameRect& frame, bool mirrored = false) {
  const float left = mirrored ? frame.right : frame.left;
  const float right = mirrored ? frame.left : frame.right;
  quad[0].u = left;
  quad[0].v = frame.bottom;
  quad[1].u = left;
  quad[1].v = frame.top;
  quad[2].u = right;
  quad[2].v = frame.bottom;
  quad[3].u = right;
  quad[3].v = frame.top;
}

// Degrees to radians as the game has always turned them: by 3.14159 / 180, not the exact pi.
constexpr double kDegreesToRadians = 0.017453277777777776;

}  // namespace brolt
