#include "game/core/view/camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/recording_render_device.h"

namespace brolt {
namespace {

constexpr float kWidth = 640;
constexpr float kHeight = 480;

FramePoint Project(const CameraWords& words, float x, float y, float z = 0) {
  return ProjectToFrame(CameraTransform(words), {x, y, z}, kWidth, kHeight);
}

// Pixels per world unit at z = 0 for an eye `distance` units away: the vertical formula of a
// perspective view, 240 / (distance x tan(fov / 2)).
double PixelsPerUnit(double distance, double zoom) {
  return kHeight / 2 / (distance * std::tan(3.1415 / zoom / 2));
}

TEST(CameraTest, StartCameraLooksAtTheCentreWithXRightAndYUp) {
  const CameraWords words;
  const FramePoint centre = Project(words, 0, 0);
  EXPECT_NEAR(centre.x, 320, 1e-3);
  EXPECT_NEAR(centre.y, 240, 1e-3);
  EXPECT_GT(Project(words, 10, 0).x, 320);
  EXPECT_LT(Project(words, 0, 10).y, 240);
}

TEST(CameraTest, CellsAreSquareOnTheFrame) {
  const CameraWords words;
  const double expected = 9 * PixelsPerUnit(140, 4);
  EXPECT_NEAR(Project(words, 9, 0).x - 320, expected, 1e-3);
  EXPECT_NEAR(240 - Project(words, 0, 9).y, expected, 1e-3);
}

TEST(CameraTest, ZoomWidensOrNarrowsTheView) {
  CameraWords words;
  words.CameraZoom = 2.5f;
  EXPECT_NEAR(240 - Project(words, 0, 9).y, 9 * PixelsPerUnit(140, 2.5), 1e-3);
  EXPECT_NEAR(Project(words, 9, 0).x - 320, 9 * PixelsPerUnit(140, 2.5), 1e-3);
}

TEST(CameraTest, SideShakeMovesEyeAndTargetTogether) {
  CameraWords words;
  words.ShakeX = 2;
  words.ShakeY = -1;
  const FramePoint centre = Project(words, 2, -1);
  EXPECT_NEAR(centre.x, 320, 1e-3);
  EXPECT_NEAR(centre.y, 240, 1e-3);
}

TEST(CameraTest, DepthShakeMovesOnlyTheEye) {
  CameraWords words;
  words.ShakeZ = -3;
  EXPECT_NEAR(Project(words, 0, 0).x, 320, 1e-3);
  EXPECT_NEAR(Project(words, 9, 0).x - 320, 9 * PixelsPerUnit(143, 4), 1e-3);
}

TEST(CameraTest, DepthRunsFromNearPlaneToFarPlaneLikeDirect3D) {
  const Matrix4 transform = CameraTransform(CameraWords{});
  auto depth = [&](float z) {
    const std::array<float, 4> clip = TransformToClip(transform, {0, 0, z});
    return clip[2] / clip[3];
  };
  EXPECT_NEAR(depth(-139), 0, 1e-4);  // one unit in front of the eye
  EXPECT_NEAR(depth(860), 1, 1e-4);   // 1000 units in front of the eye
}

TEST(CameraTest, SetupMatricesHandsTheTransformToTheDevice) {
  CameraWords words;
  words.ShakeX = 1.5f;
  RecordingRenderDevice device;
  SetupMatrices(words, device);
  EXPECT_EQ(device.camera.m, CameraTransform(words).m);
}

}  // namespace
}  // namespace brolt
