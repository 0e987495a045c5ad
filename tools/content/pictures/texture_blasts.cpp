// Textures 5 and 16: shots and blasts. Each is a run of 32 pictures, read row by row: rows 1..4 a
// shot's trail cell from the moment the shot passes to nothing, rows 5..8 an explosion from its flash
// to its last embers. The game draws these with an exclusion blend, where black changes nothing, and
// grows the sprite as it burns, so the pictures are bright on black and do not grow much themselves.
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

constexpr int kRunLength = 32;

struct Palette {
  Rgba core, hot, cool;
};

// Picture `index` (0..31) of a run that starts at `firstRow`.
void ForEachPicture(int firstRow, const std::function<void(int column, int row, double progress)>& draw) {
  for (int index = 0; index < kRunLength; ++index) {
    draw(index % kFramesPerSide + 1, firstRow + index / kFramesPerSide, index / (kRunLength - 1.0));
  }
}

Rgba FireColour(const Palette& palette, double heat) {
  if (heat > 0.66) return Mix(palette.hot, palette.core, (heat - 0.66) / 0.34);
  if (heat > 0.33) return Mix(palette.cool, palette.hot, (heat - 0.33) / 0.33);
  return Scaled(palette.cool, heat / 0.33);
}

void DrawExplosionRun(QImage& sheet, int firstRow, const Palette& palette, std::uint32_t seed) {
  ForEachPicture(firstRow, [&](int column, int row, double u) {
    ShadeFrame(sheet, column, row, [&](double x, double y) -> Rgba {
      double dx = x - 16, dy = y - 16;
      double r = std::hypot(dx, dy), a = std::atan2(dy, dx);
      double ragged = Noise3(std::cos(a) * 2.5, std::sin(a) * 2.5, u * 3, seed);
      double radius = (6 + 9 * SmoothStep(0, 0.3, u)) * (0.8 + 0.35 * ragged);
      double inside = 1.0 - SmoothStep(radius * 0.6, radius, r);
      double turbulence = Noise3(dx * 0.35, dy * 0.35, u * 4 + 7, seed + 1);
      double heat = inside * (1.15 - 1.1 * u) * (0.55 + 0.6 * turbulence);
      heat += (1.0 - SmoothStep(0, 5 + 6 * u, r)) * std::max(0.0, 1.0 - u * 4);  // the first flash
      double sparks = Hash01(static_cast<std::uint32_t>(x * 1.5), static_cast<std::uint32_t>(y * 1.5),
                             static_cast<std::uint32_t>(u * 9), seed);
      if (sparks > 0.985 && r < 15 && u > 0.3) heat = std::max(heat, 0.9 * (1.0 - u));
      // Late in the run the cloud breaks up into drifting puffs.
      double puffs = Noise3(dx * 0.22, dy * 0.22, u * 2 + 13, seed + 2);
      heat *= SmoothStep(0.0, 0.25, puffs - SmoothStep(0.35, 1.0, u) * 0.6);
      heat = Clamp01(heat);
      if (heat < 0.03) return {};
      return FireColour(palette, heat);
    }, 2);
  });
}

// The unid blast: a flash and a ring of glinting sparks flying out; the game turns its cells
// into unids halfway through, so it is spent by then.
void DrawCrystalBurstRun(QImage& sheet, const Palette& palette) {
  ForEachPicture(1, [&](int column, int row, double u) {
    double spent = Clamp01(u / 0.6);
    ShadeFrame(sheet, column, row, [&](double x, double y) -> Rgba {
      double dx = x - 16, dy = y - 16;
      double r = std::hypot(dx, dy);
      double heat = (1.0 - SmoothStep(0, 7 * (1 - spent) + 0.5, r)) * (1 - spent);
      double ringRadius = 3 + 11 * std::sqrt(spent);
      for (int spark = 0; spark < 8 && spent < 1; ++spark) {
        double a = spark * kPi / 4 + u * 1.5;
        double sx = dx - ringRadius * std::cos(a), sy = dy - ringRadius * std::sin(a);
        double size = 3.5 * (1 - spent) + 0.5;
        double star = std::min(std::abs(sx), std::abs(sy)) < 0.7 && std::max(std::abs(sx), std::abs(sy)) < size;
        if (star || std::hypot(sx, sy) < size * 0.4) heat = std::max(heat, 1.0 - 0.7 * spent);
      }
      if (heat < 0.03) return {};
      return FireColour(palette, heat);
    }, 3);
  });
}

void DrawShotRun(QImage& sheet, const Palette& palette, std::uint32_t seed) {
  ForEachPicture(1, [&](int column, int row, double u) {
    ShadeFrame(sheet, column, row, [&](double x, double y) -> Rgba {
      double r = std::hypot(x - 16, y - 16);
      double size = 7.5 * (1.0 - 0.75 * u);
      double heat = (1.0 - SmoothStep(size * 0.35, size, r)) * (1.0 - u * 0.85);
      double a = std::atan2(y - 16, x - 16);
      double rays = std::pow(std::abs(std::cos(a * 2 + u * 5)), 12) * (1.0 - SmoothStep(0, 13 * (1 - u * 0.5), r));
      heat = Clamp01(heat + rays * 0.6 * (1.0 - u));
      double glitter = Hash01(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                              static_cast<std::uint32_t>(u * 31), seed);
      if (glitter > 0.97 && r < 12 && u > 0.2) heat = std::max(heat, 0.7 * (1 - u));
      if (heat < 0.03) return {};
      return FireColour(palette, heat);
    }, 2);
  });
}

}  // namespace

QImage DrawExplogeonTexture() {
  QImage sheet = NewSheet();
  DrawShotRun(sheet, {Opaque(1, 1, 0.9), Opaque(1, 0.8, 0.25), Opaque(0.9, 0.3, 0.05)}, 5);
  DrawExplosionRun(sheet, 5, {Opaque(1, 1, 0.85), Opaque(1, 0.65, 0.15), Opaque(0.75, 0.15, 0.05)}, 6);
  return sheet;
}

QImage DrawExplogeon2Texture() {
  QImage sheet = NewSheet();
  // The unid blast; also the trail of a shot that has passed an explosive rock.
  DrawCrystalBurstRun(sheet, {Opaque(1, 1, 1), Opaque(0.5, 0.95, 1), Opaque(0.6, 0.3, 1)});
  DrawExplosionRun(sheet, 5, {Opaque(0.95, 1, 0.9), Opaque(0.45, 1, 0.45), Opaque(0.05, 0.45, 0.6)}, 17);
  return sheet;
}

}  // namespace brolt::content
