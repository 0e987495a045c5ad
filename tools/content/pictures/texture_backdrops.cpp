// Texture 8, the menu backdrop, and texture 17, the level backdrop "wall1.jpg". Both repeat
// without a seam. The menu backdrop is added six times over itself, turning, in the menu colour,
// so it is dim: faint glowing veins on black. The level backdrop lies behind every level, lit by
// the Thresher's light; it is a dark wall of large flagstones that never reaches pure black (black
// would be transparent) and holds no fine detail, since the game shows it shrunk.
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

double Ridged(double x, double y, int period, std::uint32_t seed) {
  return 1.0 - std::abs(2.0 * FractalNoise(x, y, period, 3, seed) - 1.0);
}

// Distances to the nearest and second nearest of `count` points that repeat every `size` pixels.
void Flagstones(double x, double y, double size, int count, std::uint32_t seed, double& nearest, double& second,
                int& stone) {
  nearest = second = 1e9;
  for (int i = 0; i < count; ++i) {
    double px = Hash01(static_cast<std::uint32_t>(i), seed, 1) * size;
    double py = Hash01(static_cast<std::uint32_t>(i), seed, 2) * size;
    for (int ox = -1; ox <= 1; ++ox) {
      for (int oy = -1; oy <= 1; ++oy) {
        double d = std::hypot(x - px - ox * size, y - py - oy * size);
        if (d < nearest) {
          second = nearest;
          nearest = d;
          stone = i;
        } else if (d < second) {
          second = d;
        }
      }
    }
  }
}

}  // namespace

QImage DrawBackTexture() {
  QImage sheet = NewSheet();
  ShadeRect(sheet, sheet.rect(), [](double x, double y) -> Rgba {
    double veins = std::pow(Ridged(x / 32, y / 32, 8, 80), 6);
    double fine = std::pow(Ridged(x / 16 + 3, y / 16 + 3, 16, 81), 10) * 0.5;
    double clouds = FractalNoise(x / 64, y / 64, 4, 3, 82);
    double v = 0.30 * veins + 0.15 * fine + 0.10 * clouds;
    if (Hash01(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 83) > 0.9985) v = 0.6;
    // Where it would add next to nothing, leave it black, the transparent colour.
    return v < 0.05 ? Rgba{} : Grey(v);
  }, 1);
  return sheet;
}

QImage DrawLevelBackdrop() {
  QImage backdrop = NewSheet();
  ShadeRect(backdrop, backdrop.rect(), [](double x, double y) -> Rgba {
    double nearest = 0, second = 0;
    int stone = 0;
    Flagstones(x, y, kSheetSize, 7, 170, nearest, second, stone);
    double edge = second - nearest;
    double v = 0.17 + 0.03 * Hash01(static_cast<std::uint32_t>(stone), 171) +
               0.03 * std::min(edge, 24.0) / 24.0 + 0.04 * (FractalNoise(x / 32, y / 32, 8, 3, 172) - 0.5);
    if (edge < 4) v = 0.13 + 0.01 * edge;
    return Opaque(v * 0.92, v * 0.96, v * 1.12);
  }, 2);
  return backdrop.convertToFormat(QImage::Format_RGB888);
}

}  // namespace brolt::content
