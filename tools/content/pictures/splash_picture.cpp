#include "tools/content/pictures/splash_picture.h"

#include <cmath>

#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {
namespace {

constexpr int kCell = 17;  // the size of one level cell of the pattern
constexpr std::uint32_t kSeed = 0x5a1a5;

// A cell of the pattern: empty, a wall block or a round rock, chosen by a fixed hash.
Rgba CellColour(int column, int row, double x, double y) {
  const double pick = Hash01(static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(row), kSeed);
  const double cx = x - (column + 0.5) * kCell;
  const double cy = y - (row + 0.5) * kCell;
  if (pick < 0.22) {
    const double edge = std::max(std::abs(cx), std::abs(cy)) / (kCell / 2.0);
    const double shade = 0.30 + 0.12 * FractalNoise(x / 9, y / 9, 64, 3, kSeed) - (edge > 0.85 ? 0.12 : 0);
    return Opaque(shade * 0.8, shade * 0.85, shade);
  }
  if (pick < 0.34) {
    const double height = SphereHeight(cx, cy, kCell * 0.42);
    if (height > 0) return Opaque(0.35 + 0.4 * height, 0.28 + 0.3 * height, 0.18 + 0.18 * height);
  }
  if (pick > 0.97) {
    const double height = SphereHeight(cx, cy, kCell * 0.3);
    if (height > 0) return Opaque(0.3 * height, 0.75 + 0.25 * height, 0.85 + 0.15 * height);
  }
  return Opaque(0.04, 0.05, 0.08);
}

}  // namespace

QImage DrawSplashPicture() {
  QImage picture(kSplashWidth, kSplashHeight, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::black);
  ShadeRect(picture, picture.rect(), [](double x, double y) {
    const int column = static_cast<int>(x / kCell);
    const int row = static_cast<int>(y / kCell);
    Rgba colour = CellColour(column, row, x, y);
    // A glow across the upper part, and a darkening towards the bottom where the labels stand.
    const double glow = std::exp(-std::pow((y - 70) / 55.0, 2)) * (0.55 + 0.45 * std::sin(x / 80.0));
    colour = Mix(colour, Opaque(0.35, 0.55, 0.95), Clamp01(glow * 0.45));
    const double quiet = SmoothStep(110, 165, y);
    return Mix(colour, Opaque(0.02, 0.02, 0.04), quiet * 0.85);
  }, 2);
  return picture;
}

}  // namespace brolt::content
