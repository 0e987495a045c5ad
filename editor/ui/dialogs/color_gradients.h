#pragma once
// The colour picker's three gradient pictures: the colour triangle, the shader bar and the
// saturation bar. The picker shows them and places its markers over them.
#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QSize>

namespace brolt::editor {

struct ColorGradients {
  QImage Triangle;
  QImage Shader;
  QImage Saturation;
};

// The colour triangle's corners in a picture of this size: top centre, lower left, lower right.
QPolygon ColorTriangleCorners(QSize triangleSize);

// Draws the three pictures at their sizes. The triangle's corners are red (top), green (lower
// left) and blue (lower right) at brightness `light` over a floor of `saturation` (both 0..255,
// clamped); outside the triangle the picture is transparent. The shader bar runs from white at the
// top to black, the saturation bar from `borderColor` to black, each ending two rows above its
// bottom, which stay transparent.
ColorGradients DrawColorGradients(QSize triangleSize, QSize shaderSize, QSize saturationSize, int light, int saturation,
                                  const QColor& borderColor);

}  // namespace brolt::editor
