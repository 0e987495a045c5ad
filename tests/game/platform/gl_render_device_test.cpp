#include "game/platform/gl_render_device.h"

#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/core/view/camera.h"
#include "test_files.h"

namespace brolt {
namespace {

constexpr int kWhite = 1;
constexpr int kHalfBlack = 2;   // left half opaque black, right half white
constexpr int kRedGreen = 3;    // left half red, right half green
constexpr int kNeverLoaded = 9;

using Rgb = std::array<std::uint8_t, 3>;

Rgb ColourOf(std::uint32_t direct3DColour) {
  return {static_cast<std::uint8_t>(direct3DColour >> 16), static_cast<std::uint8_t>(direct3DColour >> 8),
          static_cast<std::uint8_t>(direct3DColour)};
}

// A rectangle of screen pixels in strip order, the texture spanned `span` times across and down.
Quad ScreenRect(float left, float top, float right, float bottom, std::uint32_t colour, float span = 1) {
  return {QuadVertex{left, bottom, 0, colour, 0, span}, QuadVertex{left, top, 0, colour, 0, 0},
          QuadVertex{right, bottom, 0, colour, span, span}, QuadVertex{right, top, 0, colour, span, 0}};
}

class GlRenderDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GraphicsStart start = OpenGraphics("Brolt test", WindowMode::Windowed);
    ASSERT_NE(start.device, nullptr) << start.error;
    device_ = std::move(start.device);
    LoadPicture(kWhite, [](int, int) { return 0xFFFFFFu; });
    LoadPicture(kHalfBlack, [](int x, int) { return x < 16 ? 0x000000u : 0xFFFFFFu; });
    LoadPicture(kRedGreen, [](int x, int) { return x < 16 ? 0xFF0000u : 0x00FF00u; });
    device_->Clear();
  }

  void LoadPicture(int textureId, const std::function<std::uint32_t(int, int)>& colour) {
    const auto file = folder_ / ("texture" + std::to_string(textureId) + ".bmp");
    test::WritePicture(file, 32, 32, colour);
    ASSERT_TRUE(device_->LoadTexture(textureId, file));
  }

  void FillBackground(std::uint32_t colour) {
    device_->SetBlend(BlendMode::Alpha);
    device_->SetTexture(kWhite);
    device_->DrawScreenQuad(ScreenRect(0, 0, 640, 480, colour));
  }

  void ExpectPixel(int x, int y, Rgb expected, int tolerance = 2) {
    const Rgb actual = device_->ReadFramePixel(x, y);
    for (int channel = 0; channel < 3; ++channel) {
      EXPECT_NEAR(actual[channel], expected[channel], tolerance)
          << "channel " << channel << " of pixel (" << x << ", " << y << ")";
    }
  }

  std::unique_ptr<GlRenderDevice> device_;
  testing::TempFolder folder_;
};

TEST_F(GlRenderDeviceTest, BlendModesCombineSourceAndDestination) {
  const std::uint32_t a = 0x004080C0;
  const std::uint32_t b = 0x00C06020;
  const Rgb ca = ColourOf(a);
  const Rgb cb = ColourOf(b);
  struct Case {
    BlendMode mode;
    std::function<double(double, double)> blend;
  };
  const Case cases[] = {
      {BlendMode::Alpha, [](double s, double) { return s; }},
      {BlendMode::Additive, [](double s, double d) { return std::min(1.0, s + d); }},
      {BlendMode::Exclusion, [](double s, double d) { return s + d - 2 * s * d; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    device_->Clear();
    FillBackground(b);
    device_->SetBlend(c.mode);
    device_->SetTexture(kWhite);
    device_->DrawScreenQuad(ScreenRect(100, 100, 200, 200, a));
    Rgb expected{};
    for (int channel = 0; channel < 3; ++channel) {
      expected[channel] = static_cast<std::uint8_t>(
          std::lround(255 * c.blend(ca[channel] / 255.0, cb[channel] / 255.0)));
    }
    ExpectPixel(150, 150, expected);
    ExpectPixel(50, 50, cb);
  }
}

TEST_F(GlRenderDeviceTest, ColourKeyedTexelsLeaveTheBackgroundInEveryMode) {
  const std::uint32_t background = 0x00336699;
  for (const BlendMode mode : {BlendMode::Alpha, BlendMode::Additive, BlendMode::Exclusion}) {
    SCOPED_TRACE(static_cast<int>(mode));
    device_->Clear();
    FillBackground(background);
    device_->SetBlend(mode);
    device_->SetTexture(kHalfBlack);
    device_->DrawScreenQuad(ScreenRect(100, 100, 300, 200, 0x00FFFFFF));
    ExpectPixel(150, 150, ColourOf(background), 0);
    EXPECT_NE(device_->ReadFramePixel(250, 150), ColourOf(background));
  }
}

TEST_F(GlRenderDeviceTest, VertexColourIsDirect3DOrderAndItsZeroAlphaStillDraws) {
  device_->SetTexture(kWhite);
  // 0xFF is red in an RGB value but blue in a vertex colour: it reaches the screen as blue.
  device_->DrawScreenQuad(ScreenRect(0, 0, 100, 100, 0x000000FF));
  device_->DrawScreenQuad(ScreenRect(100, 0, 200, 100, 0x00FF8000));
  ExpectPixel(50, 50, {0, 0, 255}, 0);
  ExpectPixel(150, 50, {255, 128, 0}, 0);
}

TEST_F(GlRenderDeviceTest, TextureSpanRepeatsThePicture) {
  device_->SetTexture(kRedGreen);
  device_->DrawScreenQuad(ScreenRect(0, 100, 300, 400, 0x00FFFFFF, 3));
  for (int repeat = 0; repeat < 3; ++repeat) {
    ExpectPixel(repeat * 100 + 25, 250, {255, 0, 0});
    ExpectPixel(repeat * 100 + 75, 250, {0, 255, 0});
  }
}

TEST_F(GlRenderDeviceTest, EmptyOrMissingTextureDrawsNothing) {
  device_->SetTexture(kNeverLoaded);
  device_->DrawScreenQuad(ScreenRect(0, 0, 100, 100, 0x00FFFFFF));
  device_->SetTexture(0);
  device_->DrawScreenQuad(ScreenRect(100, 0, 200, 100, 0x00FFFFFF));
  // A picture that cannot be read empties only its own slot.
  EXPECT_FALSE(device_->LoadTexture(kRedGreen, folder_ / "missing.bmp"));
  device_->SetTexture(kRedGreen);
  device_->DrawScreenQuad(ScreenRect(200, 0, 300, 100, 0x00FFFFFF));
  device_->SetTexture(kWhite);
  device_->DrawScreenQuad(ScreenRect(300, 0, 400, 100, 0x00FFFFFF));
  ExpectPixel(50, 50, {0, 0, 0}, 0);
  ExpectPixel(150, 50, {0, 0, 0}, 0);
  ExpectPixel(250, 50, {0, 0, 0}, 0);
  ExpectPixel(350, 50, {255, 255, 255}, 0);
}

TEST_F(GlRenderDeviceTest, WorldCellLandsWhereTheCameraPutsItWithSquarePixels) {
  device_->SetCamera(CameraTransform(CameraWords{}));
  device_->SetTexture(kWhite);
  const std::uint32_t white = 0x00FFFFFF;
  // The cell whose centre is (9, 9), one cell right of and above the view's centre.
  device_->DrawWorldQuad({QuadVertex{4.5f, 4.5f, 0, white, 0, 1}, QuadVertex{4.5f, 13.5f, 0, white, 0, 0},
                          QuadVertex{13.5f, 4.5f, 0, white, 1, 1}, QuadVertex{13.5f, 13.5f, 0, white, 1, 0}});
  // The eye is 140 units away with a vertical field of view of 3.1415 / 4; a square cell spans
  // the same number of pixels across and down.
  const double perUnit = 240 / (140 * std::tan(3.1415 / 8));
  const double left = 320 + 4.5 * perUnit;
  const double right = 320 + 13.5 * perUnit;
  const double top = 240 - 13.5 * perUnit;
  const double bottom = 240 - 4.5 * perUnit;
  const int middleX = static_cast<int>((left + right) / 2);
  const int middleY = static_cast<int>((top + bottom) / 2);
  auto lit = [&](int x, int y) { return device_->ReadFramePixel(x, y)[0] > 128; };
  int firstX = -1, lastX = -1, firstY = -1, lastY = -1;
  for (int x = 0; x < 640; ++x) {
    if (lit(x, middleY)) {
      if (firstX < 0) firstX = x;
      lastX = x;
    }
  }
  for (int y = 0; y < 480; ++y) {
    if (lit(middleX, y)) {
      if (firstY < 0) firstY = y;
      lastY = y;
    }
  }
  EXPECT_NEAR(firstX, left, 1);
  EXPECT_NEAR(lastX + 1, right, 1);
  EXPECT_NEAR(firstY, top, 1);
  EXPECT_NEAR(lastY + 1, bottom, 1);
  EXPECT_NEAR(lastX - firstX, lastY - firstY, 1);
}

TEST_F(GlRenderDeviceTest, LaterQuadsCoverEarlierOnesAcrossSpacesAndStates) {
  device_->SetCamera(CameraTransform(CameraWords{}));
  device_->SetTexture(kWhite);
  device_->DrawScreenQuad(ScreenRect(0, 0, 640, 480, 0x00FF0000));
  const std::uint32_t green = 0x0000FF00;
  device_->DrawWorldQuad({QuadVertex{-20, -20, 0, green, 0, 1}, QuadVertex{-20, 20, 0, green, 0, 0},
                          QuadVertex{20, -20, 0, green, 1, 1}, QuadVertex{20, 20, 0, green, 1, 0}});
  device_->SetTexture(kRedGreen);
  device_->DrawScreenQuad(ScreenRect(300, 220, 340, 260, 0x00FFFFFF));
  ExpectPixel(10, 10, {255, 0, 0});
  ExpectPixel(300, 200, {0, 255, 0});
  ExpectPixel(310, 240, {255, 0, 0});
}

// The test hooks' screenshot: the frame as shown, its top row first.
TEST_F(GlRenderDeviceTest, SavedFrameIsThePictureShownTopRowFirst) {
  FillBackground(0x00000000);
  device_->DrawScreenQuad(ScreenRect(0, 0, 640, 1, 0x00FF0000));
  device_->DrawScreenQuad(ScreenRect(0, 479, 640, 480, 0x0000FF00));
  const auto file = folder_ / "frame.png";
  ASSERT_TRUE(device_->SaveFrame(file));
  SDL_Surface* loaded = IMG_Load(file.c_str());
  ASSERT_NE(loaded, nullptr) << IMG_GetError();
  SDL_Surface* picture = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ((std::array{picture->w, picture->h}), (std::array{640, 480}));
  const auto at = [picture](int x, int y) {
    const auto* pixel = static_cast<const std::uint8_t*>(picture->pixels) + y * picture->pitch + x * 3;
    return Rgb{pixel[0], pixel[1], pixel[2]};
  };
  EXPECT_EQ(at(5, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(at(5, 1), (Rgb{0, 0, 0}));
  EXPECT_EQ(at(635, 479), (Rgb{0, 255, 0}));
  EXPECT_EQ(at(635, 478), (Rgb{0, 0, 0}));
  SDL_FreeSurface(picture);
}

TEST(GlFullScreenTest, FrameFillsTheDesktopAtFourToThree) {
  GraphicsStart start = OpenGraphics("Brolt test", WindowMode::FullScreen);
  ASSERT_NE(start.device, nullptr) << start.error;
  GlRenderDevice& device = *start.device;
  const testing::TempFolder folder;
  const auto file = folder / "white.bmp";
  test::WritePicture(file, 8, 8, [](int, int) { return 0xFFFFFFu; });
  ASSERT_TRUE(device.LoadTexture(kWhite, file));
  for (int frame = 0; frame < 2; ++frame) {
    device.Clear();
    device.SetTexture(kWhite);
    // The frame's top-left quarter, whatever the size of the desktop.
    device.DrawScreenQuad(ScreenRect(0, 0, 320, 240, 0x00FF0000));
    EXPECT_EQ(device.ReadFramePixel(5, 5), (Rgb{255, 0, 0}));
    EXPECT_EQ(device.ReadFramePixel(315, 235), (Rgb{255, 0, 0}));
    EXPECT_EQ(device.ReadFramePixel(325, 245), (Rgb{0, 0, 0}));
    device.Present();
  }
}

}  // namespace
}  // namespace brolt
