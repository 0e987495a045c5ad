#include "editor/ui/color_gradients.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

const QSize kTriangle(101, 90);
const QSize kBar(12, 50);

ColorGradients Draw(int light, int saturation, QColor border = Qt::black) {
  return DrawColorGradients(kTriangle, kBar, kBar, light, saturation, border);
}

// The triangle's top, lower-left and lower-right corner pixels.
std::vector<QRgb> Corners(const QImage& triangle) {
  return {triangle.pixel(50, 0), triangle.pixel(0, 89), triangle.pixel(100, 89)};
}

struct CornerCase {
  int light, saturation;
  std::vector<QRgb> corners;
};

TEST(DrawColorGradients, TheTrianglesCornersAreItsThreeChannelsAtTheLightOverTheSaturation) {
  const CornerCase cases[] = {
      {255, 0, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}},
      {200, 200, {qRgb(200, 200, 200), qRgb(200, 200, 200), qRgb(200, 200, 200)}},
      {180, 40, {qRgb(180, 40, 40), qRgb(40, 180, 40), qRgb(40, 40, 180)}},
      {255, -30, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}},  // below 0 paints as 0
  };
  for (const CornerCase& c : cases) EXPECT_EQ(Corners(Draw(c.light, c.saturation).Triangle), c.corners) << c.light << "/" << c.saturation;
}

TEST(DrawColorGradients, TheTriangleMixesItsCornersInsideAndLeavesTheRestClear) {
  const QImage triangle = Draw(255, 0).Triangle;
  EXPECT_EQ(triangle.size(), kTriangle);
  EXPECT_EQ(qAlpha(triangle.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(triangle.pixel(100, 0)), 0);
  const QRgb centre = triangle.pixel(50, 60);  // two thirds down: each corner weighs about a third
  for (int channel : {qRed(centre), qGreen(centre), qBlue(centre)}) EXPECT_NEAR(channel, 85, 2);
}

TEST(DrawColorGradients, TheBarsRunFromTheirTopColourToBlackAboveTheirLastTwoRows) {
  const ColorGradients gradients = Draw(255, 0, QColor(90, 160, 30));
  struct Bar {
    const QImage& picture;
    QRgb top;
  };
  for (const Bar& bar : {Bar{gradients.Shader, qRgb(255, 255, 255)}, Bar{gradients.Saturation, qRgb(90, 160, 30)}}) {
    ASSERT_EQ(bar.picture.size(), kBar);
    for (int x : {0, 11}) {
      EXPECT_EQ(bar.picture.pixel(x, 0), bar.top);
      EXPECT_EQ(bar.picture.pixel(x, 24), qRgb(qRed(bar.top) / 2, qGreen(bar.top) / 2, qBlue(bar.top) / 2));
      EXPECT_LE(qGray(bar.picture.pixel(x, 47)), 6);
      EXPECT_EQ(qAlpha(bar.picture.pixel(x, 48)), 0);
      EXPECT_EQ(qAlpha(bar.picture.pixel(x, 49)), 0);
    }
  }
}

}  // namespace
}  // namespace brolt::editor
