#include "game/core/view/matrix.h"

#include <cmath>

namespace brolt {
namespace {

Vector3 Subtract(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

float Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Cross(Vector3 a, Vector3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Normalize(Vector3 v) {
  const float length = std::sqrt(Dot(v, v));
  if (length == 0) return v;
  return {v.x / length, v.y / length, v.z / length};
}

}  // namespace

Matrix4 IdentityMatrix() {
  Matrix4 result;
  for (int i = 0; i < 4; ++i) result(i, i) = 1;
  return result;
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
  Matrix4 result;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += a(row, k) * b(k, column);
      result(row, column) = sum;
    }
  }
  return result;
}

Matrix4 LookAtLH(Vector3 eye, Vector3 at, Vector3 up) {
  const Vector3 zAxis = Normalize(Subtract(at, eye));
  const Vector3 xAxis = Normalize(Cross(up, zAxis));
  const Vector3 yAxis = Cross(zAxis, xAxis);
  Matrix4 result = IdentityMatrix();
  const Vector3 axes[3] = {xAxis, yAxis, zAxis};
  for (int column = 0; column < 3; ++column) {
    result(0, column) = axes[column].x;
    result(1, column) = axes[column].y;
    result(2, column) = axes[column].z;
    result(3, column) = -Dot(axes[column], eye);
  }
  return result;
}

Matrix4 PerspectiveFovLH(float fovY, float heightOverWidth, float nearPlane, float farPlane) {
  const float yScale = 1.0f / std::tan(fovY / 2);
  Matrix4 result;
  result(0, 0) = yScale * heightOverWidth;
  result(1, 1) = yScale;
  result(2, 2) = farPlane / (farPlane - nearPlane);
  result(2, 3) = 1;
  result(3, 2) = -nearPlane * farPlane / (farPlane - nearPlane);
  return result;
}

Matrix4 ScreenPixelsToClip(float width, float height) {
  Matrix4 result;
  result(0, 0) = 2 / width;
  result(1, 1) = -2 / height;
  result(3, 0) = -1;
  result(3, 1) = 1;
  result(3, 3) = 1;
  return result;
}

std::array<float, 4> TransformToClip(const Matrix4& toClip, Vector3 point) {
  const float v[4] = {point.x, point.y, point.z, 1};
  std::array<float, 4> clip{};
  for (int column = 0; column < 4; ++column) {
    for (int k = 0; k < 4; ++k) clip[column] += v[k] * toClip(k, column);
  }
  return clip;
}

FramePoint ProjectToFrame(const Matrix4& toClip, Vector3 point, float width, float height) {
  const std::array<float, 4> clip = TransformToClip(toClip, point);
  return {(clip[0] / clip[3] + 1) * width / 2, (1 - clip[1] / clip[3]) * height / 2};
}

}  // namespace brolt
