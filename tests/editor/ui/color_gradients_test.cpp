#include "editor/ui/color_gradients.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

const QSize kTriangle(101, 90);
const QSize kBar(12, 50);

ColorGradients Draw(int light, int saturation, QColor border = Qt::black) {
  return DrawColorGradients(kTriangle, kBar, kBar, light, saturation, border);
}

TEST(DrawColorGradients, TheTrianglesCornersAreItsChannelsAtTheLightOverTheSaturationMixedInsideClearOutside) {
  struct Case {
    int light, saturation;
    std::vector<QRgb> corners;  // top, lower left, lower right
  };
  for (const Case& c : {Case{255, 0, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}},
                        Case{200, 200, {qRgb(200, 200, 200), qRgb(200, 200, 200), qRgb(200, 200, 200)}},
                        Case{180, 40, {qRgb(180, 40, 40), qRgb(40, 180, 40), qRgb(40, 40, 180)}},
                        Case{255, -30, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}}}) {  // below 0 paints as 0
    const QImage triangle = Draw(c.light, c.saturation).Triangle;
    EXPECT_EQ((std::vector{triangle.pixel(50, 0), triangle.pixel(0, 89), triangle.pixel(100, 89)}), c.corners)
        << c.light << "/" << c.saturation;
  }
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
