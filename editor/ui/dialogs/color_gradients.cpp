#include "editor/ui/dialogs/color_gradients.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "common/numeric.h"
#include "editor/model/services/color_routines.h"

namespace brolt::editor {
namespace {

// A gradient's corner with its channels as 16-bit values, the 8-bit channel in the high byte.
struct GradientVertex {
  double x = 0;
  double y = 0;
  std::array<std::int16_t, 3> channel{};  // red, green, blue
};

GradientVertex MakeVertex(double x, double y, int red, int green, int blue) {
  auto byte = [](int value) { return ByteToVertexColor(static_cast<std::uint8_t>(std::clamp(value, 0, 255))); };
  return GradientVertex{x, y, {byte(red), byte(green), byte(blue)}};
}

// Mixes 16-bit channels by the weights and keeps the high byte of the result.
template <std::size_t N>
QRgb Blend(const std::array<const GradientVertex*, N>& vertices, const std::array<double, N>& weights) {
  std::array<int, 3> rgb{};
  for (std::size_t c = 0; c < rgb.size(); ++c) {
    double sum = 0;
    for (std::size_t v = 0; v < vertices.size(); ++v)
      sum += weights[v] * static_cast<std::uint16_t>(vertices[v]->channel[c]);
    rgb[c] = std::clamp(static_cast<int>(std::lround(sum)), 0, 0xFFFF) >> 8;
  }
  return qRgb(rgb[0], rgb[1], rgb[2]);
}

QImage ClearedPicture(QSize size) {
  QImage picture(size, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  return picture;
}

// Fills the triangle through the three corners, whose pixels carry the corners' own colours.
QImage DrawTriangleGradient(QSize size, const std::array<GradientVertex, 3>& corners) {
  QImage picture = ClearedPicture(size);
  const GradientVertex& a = corners[0];
  const GradientVertex& b = corners[1];
  const GradientVertex& c = corners[2];
  const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
  if (area == 0) return picture;
  constexpr double kEdge = -1e-9;  // pixels on an edge belong to the triangle
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const double wa = ((b.x - x) * (c.y - y) - (c.x - x) * (b.y - y)) / area;
      const double wb = ((c.x - x) * (a.y - y) - (a.x - x) * (c.y - y)) / area;
      const double wc = 1.0 - wa - wb;
      if (wa < kEdge || wb < kEdge || wc < kEdge) continue;
      picture.setPixel(x, y, Blend<3>({&a, &b, &c}, {wa, wb, wc}));
    }
  }
  return picture;
}

// Top to bottom from `top` to `bottom` over every row but the last two.
QImage DrawVerticalGradient(QSize size, const GradientVertex& top, const GradientVertex& bottom) {
  QImage picture = ClearedPicture(size);
  const int rows = size.height() - 2;
  for (int y = 0; y < rows; ++y) {
    const double along = static_cast<double>(y) / rows;
    const QRgb colour = Blend<2>({&top, &bottom}, {1.0 - along, along});
    for (int x = 0; x < size.width(); ++x) picture.setPixel(x, y, colour);
  }
  return picture;
}

}  // namespace

QPolygon ColorTriangleCorners(QSize triangleSize) {
  const int right = triangleSize.width() - 1;
  const int bottom = triangleSize.height() - 1;
  return QPolygon({QPoint(static_cast<int>(RoundHalfEven(right / 2.0)), 0), QPoint(0, bottom), QPoint(right, bottom)});
}

ColorGradients DrawColorGradients(QSize triangleSize, QSize shaderSize, QSize saturationSize, int light, int saturation,
                                  const QColor& borderColor) {
  const int s = std::max(saturation, 0);
  const QPolygon at = ColorTriangleCorners(triangleSize);
  const std::array<GradientVertex, 3> corners{MakeVertex(at[0].x(), at[0].y(), light, s, s),
                                              MakeVertex(at[1].x(), at[1].y(), s, light, s),
                                              MakeVertex(at[2].x(), at[2].y(), s, s, light)};
  const GradientVertex black = MakeVertex(0, 0, 0, 0, 0);
  return ColorGradients{
      DrawTriangleGradient(triangleSize, corners),
      DrawVerticalGradient(shaderSize, MakeVertex(0, 0, 255, 255, 255), black),
      DrawVerticalGradient(saturationSize, MakeVertex(0, 0, borderColor.red(), borderColor.green(), borderColor.blue()),
                           black),
  };
}

}  // namespace brolt::editor
