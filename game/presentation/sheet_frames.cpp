#include "game/presentation/sheet_frames.h"

namespace brolt {

FrameRect SheetFrame(float columns, float rows, int column, int row) {
  constexpr float kInset = 0.002f;
  return {column / columns - 1.0f / columns + kInset, column / columns - kInset,
          row / rows - 1.0f / rows + kInset, row / rows - kInset};
}

void ApplyFrame(Quad& quad, const FrameRect& frame, bool mirrored) {
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

}  // namespace brolt
