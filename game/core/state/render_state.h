#pragma once
// The words of the level picture that last from frame to frame: the view bounds fixed at start-up,
// the moving view, the scrolling backdrop and the depth of the bent playfield.
#include <cstdint>

namespace brolt {

// Steps of the depth keys: LightFactor runs 0 to 1.0 and the zoom 4.0 to 2.5 in this many steps.
constexpr int kDepthSteps = 10;

struct RenderState {
  // World x and y of the centres of the view's outer columns and rows (-81, 81, -63, 63), set by
  // InitCamera. The level drawing calls them ViewLeft, ViewRight, ViewBottom and ViewTop.
  std::int16_t ViewMinX = 0;
  std::int16_t ViewMaxX = 0;
  std::int16_t ViewMinY = 0;
  std::int16_t ViewMaxY = 0;
  // Half the diagonal of a cell: the corner distance of a sprite of scale 1 (the sprite drawing's
  // SpriteRadius). Set by InitCamera.
  float HalfCellDiagonal = 0.0f;

  // Added to every cell of the window: minus the Thresher's drawing offset while the view scrolls
  // in that axis, else 0.
  float ViewShiftX = 0.0f;
  float ViewShiftY = 0.0f;
  // The view origin lies strictly inside its range in that axis; kept when it lands on an end of
  // the range without being clamped there.
  bool ScrollsX = false;
  bool ScrollsY = false;
  // The Thresher's picture row in this frame (three rows lower while shielded).
  std::int16_t PlayerDrawRow = 0;
  // The offset of the backdrop tiling, kept within one backdrop tile; never reset.
  float BackdropX = 0.0f;
  float BackdropY = 0.0f;

  // How far each sprite corner sinks per world unit of distance from the view centre: DepthStep / 10.
  float LightFactor = 0.0f;
  // 0 to kDepthSteps, moved one step per frame by the depth keys; LightFactor and the camera zoom
  // follow it, so that exactly ten steps lead each way.
  std::int32_t DepthStep = 0;

  // The brightness of the title picture, 0 to 200; the title ends on a key only once it is 200.
  std::int16_t TitleFade = 0;
};

}  // namespace brolt
