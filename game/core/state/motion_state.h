#pragma once
// What the motion engine leaves for the drawing of the frame.
namespace brolt {

struct MotionState {
  // How far the Thresher's drawing offset moved in this frame, in world units; the view scrolls by
  // it. Zeroed at the start of every play update. The drawing side calls them PlayerShiftX/Y.
  float PlayerStepX = 0.0f;
  float PlayerStepY = 0.0f;
};

}  // namespace brolt
