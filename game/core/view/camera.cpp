#include "game/core/view/camera.h"

#include "game/core/interfaces/render_device.h"

namespace brolt {
namespace {

// The constant is 3.1415, not pi: it sets how much of the level a zoom step shows.
constexpr float kFieldOfViewAngle = 3.1415f;
constexpr float kFrameHeightOverWidth = 0.75f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 1000.0f;

}  // namespace

Matrix4 CameraTransform(const CameraWords& camera) {
  const Vector3 eye{camera.ShakeX, camera.ShakeY, camera.ShakeZ + camera.CameraDistance};
  const Vector3 at{camera.ShakeX, camera.ShakeY, 0};
  const Vector3 up{0, 1, 0};
  return Multiply(LookAtLH(eye, at, up),
                  PerspectiveFovLH(kFieldOfViewAngle / camera.CameraZoom, kFrameHeightOverWidth,
                                   kNearPlane, kFarPlane));
}

void SetupMatrices(const CameraWords& camera, RenderDevice& device) {
  device.SetCamera(CameraTransform(camera));
}

}  // namespace brolt
