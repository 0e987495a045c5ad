#pragma once
// The view origin the editor opens with: the middle of the level in the middle of the viewport.
#include <cstdint>

namespace brolt::editor {

struct ViewOrigin {
  std::int16_t x = 0;
  std::int16_t y = 0;
};

// x = 25 - whole cells in half the viewport's width - 1; y = 25 - (whole cells in the viewport's
// height) / 2 - 1, where that half may round to even. Negative values are left for ScrollTo to clamp.
ViewOrigin StartViewOrigin(int viewportWidth, int viewportHeight, float tileSize);

}  // namespace brolt::editor
