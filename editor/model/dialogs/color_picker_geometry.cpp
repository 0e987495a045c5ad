#include "editor/model/dialogs/color_picker_geometry.h"

#include <algorithm>

#include "common/numeric.h"

namespace brolt::editor {

PickPoint SnapToColorTriangle(double pointerX, double pointerY, int width, int height) {
  int x = RoundToInt32(pointerX);
  int y = RoundToInt32(pointerY);
  x = std::clamp(x, 2, std::max(2, width - 1));
  y = std::clamp(y, 2, std::max(2, height - 1));
  const double half = width / 2.0;
  const double slope = half / height;
  const double rightEdge = y * slope + half - 1;
  const double leftEdge = half - y * slope + 1;
  if (x > rightEdge) {
    x = RoundToInt32(rightEdge);
  } else if (x < leftEdge) {
    x = RoundToInt32(leftEdge);
  }
  return {x, y};
}

PickPoint ClampShaderPick(int x, int y, int width, int height) {
  // Past three pixels from the far edges the pick jumps to the last pixel, where the bar is at
  // its end colour.
  if (x < 1) x = 1;
  if (y < 1) y = 1;
  if (x > width - 3) x = width - 1;
  if (y > height - 3) y = height - 1;
  return {x, y};
}

PickPoint ClampSaturationPick(int x, int y, int width, int height) {
  return {std::clamp(x, 1, std::max(1, width - 1)), std::clamp(y, 1, std::max(1, height - 1))};
}

int SaturationAtHeight(double y, int height) {
  if (height <= 0) return 255;
  return RoundToInt32(255 - (255.0 / height) * y);
}

int SaturationMarkerHeight(int saturation, int height) { return RoundToInt32((255 - saturation) * height / 255.0); }

}  // namespace brolt::editor
