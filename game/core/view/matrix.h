#pragma once
// The transforms of the level view in Direct3D's conventions: left-handed coordinates, row vectors
// (a point is transformed as v x M) and clip depth from 0 at the near plane to w at the far plane.
// Plain arithmetic, so the camera can be checked without a graphics device.
#include <array>

namespace brolt {

struct Vector3 {
  float x = 0;
  float y = 0;
  float z = 0;
};

// Row-major: m[row * 4 + column].
struct Matrix4 {
  std::array<float, 16> m{};

  float operator()(int row, int column) const { return m[row * 4 + column]; }
  float& operator()(int row, int column) { return m[row * 4 + column]; }
};

Matrix4 IdentityMatrix();
// a then b: v x (a x b) = (v x a) x b.
Matrix4 Multiply(const Matrix4& a, const Matrix4& b);

// The view from eye toward at, with up pointing up; +x ends to the right, +z into the picture.
Matrix4 LookAtLH(Vector3 eye, Vector3 at, Vector3 up);

// A perspective projection with vertical field of view fovY radians. heightOverWidth is the frame's
// height divided by its width (0.75 for 640 x 480): the horizontal scale is the vertical scale times
// that ratio, so a square of the world stays square on the frame.
Matrix4 PerspectiveFovLH(float fovY, float heightOverWidth, float nearPlane, float farPlane);

// Pixels of a width x height frame, y growing downward, to clip space (depth 0).
Matrix4 ScreenPixelsToClip(float width, float height);

// (x, y, z, w) of a point in clip space.
std::array<float, 4> TransformToClip(const Matrix4& toClip, Vector3 point);

struct FramePoint {
  float x = 0;
  float y = 0;
};

// Where a point lands on a width x height frame through a clip transform (pixels, y down).
FramePoint ProjectToFrame(const Matrix4& toClip, Vector3 point, float width, float height);

}  // namespace brolt
