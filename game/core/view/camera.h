#pragma once
// The camera of the level view, rebuilt every frame from its words.
#include "game/core/view/matrix.h"

namespace brolt {

class RenderDevice;

struct CameraWords {
  // Explosions shake the view: x and y move eye and target together, z moves the eye only.
  float ShakeX = 0;
  float ShakeY = 0;
  float ShakeZ = 0;
  // z of the eye; the playfield lies in the plane z = 0.
  float CameraDistance = -140.0f;
  // The vertical field of view is 3.1415 / CameraZoom radians.
  float CameraZoom = 4.0f;
};

// World units to clip space: the eye at (ShakeX, ShakeY, ShakeZ + CameraDistance) looking at
// (ShakeX, ShakeY, 0) with y up, on a 4:3 frame with square cells, near plane 1, far plane 1000.
Matrix4 CameraTransform(const CameraWords& camera);

// Hands the frame's camera to the device; once per frame before the level is drawn.
void SetupMatrices(const CameraWords& camera, RenderDevice& device);

}  // namespace brolt
