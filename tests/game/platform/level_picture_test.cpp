#include <gtest/gtest.h>

#include "game/core/drawing/texture_id.h"
#include "game/core/state/world_geometry.h"
#include "game/core/view/camera.h"
#include "game/platform/gl_render_device.h"
#include "game/presentation/level_drawing/level_rendering.h"
#include "support/drawing_game.h"
#include "test_files.h"

namespace brolt {
namespace {

using testing::DrawingGame;

// A small level drawn through the OpenGL device: plain red Thresher, green walls and a blue backdrop.
class LevelPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GraphicsStart start = OpenGraphics("Brolt test", WindowMode::Windowed);
    ASSERT_NE(start.device, nullptr) << start.error;
    device_ = std::move(start.device);
    const testing::TempFolder folder;
    const std::pair<int, std::uint32_t> textures[] = {
        {TexPlayer, 0xFF0000}, {TexTileset, 0x00FF00}, {TexBackground, 0x0000FF}};
    for (const auto& [id, colour] : textures) {
      const auto file = folder / ("texture" + std::to_string(id) + ".bmp");
      test::WritePicture(file, 32, 32, [colour](int, int) { return colour; });
      ASSERT_TRUE(device_->LoadTexture(id, file));
    }
  }

  // The pixel at the centre of the drawn cell (x, y) of the level.
  std::array<std::uint8_t, 3> CellPixel(int x, int y) {
    const LevelState& level = t.game.level;
    const Vector3 centre{static_cast<float>((x - level.PlayerX) * CellSize),
                         static_cast<float>((y - level.PlayerY) * CellSize), 0};
    const FramePoint point = ProjectToFrame(CameraTransform(t.game.camera), centre, 640, 480);
    return device_->ReadFramePixel(static_cast<int>(point.x), static_cast<int>(point.y));
  }

  DrawingGame t;
  std::unique_ptr<GlRenderDevice> device_;
};

TEST_F(LevelPictureTest, TheThreshersCellIsLitAndTheFarCellsAreDark) {
  // A row of walls through the Thresher's cell, in the middle of the level so the view centres him.
  t.LoadPicture({"###########T###########"}, 9, 20);
  t.game.level.LightRadius = 45;  // five cells
  SetupMatrices(t.game.camera, *device_);
  device_->Clear();
  RenderLevel(t.game, *device_);

  const auto thresher = CellPixel(20, 20);
  EXPECT_GT(thresher[0], 200);
  EXPECT_LT(thresher[1], 20);
  const auto neighbour = CellPixel(21, 20);
  EXPECT_GT(neighbour[1], 150);
  EXPECT_LT(neighbour[0], 20);
  for (const int x : {13, 27}) {
    const auto far = CellPixel(x, 20);
    SCOPED_TRACE(x);
    EXPECT_GT(far[1], 0) << "the wall is drawn";
    EXPECT_LT(far[1], 20);
    EXPECT_LT(far[0], 20);
  }
  const auto farBackdrop = CellPixel(20, 26);
  EXPECT_LT(farBackdrop[2], 20);
  const auto nearBackdrop = CellPixel(20, 21);
  EXPECT_GT(nearBackdrop[2], 100);
}

}  // namespace
}  // namespace brolt
