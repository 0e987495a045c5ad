// Texture 10: the rock, a lumpy boulder tumbling through a whole turn over the 64 pictures (read
// row by row), which a rolling rock runs through. Shaded without a light direction, since the game
// also turns the whole picture as the rock rolls; drawn in warm greys for the level's fourth colour
// to tint.
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"
#include "tools/content/pictures/vec3.h"

namespace brolt::content {

namespace {

constexpr double kRockRadius = 13.0;
const Vec3 kTumbleAxis = Normalised({0.45, 1.0, 0.25});

double Lumps(Vec3 p) { return Noise3(p.x * 1.7 + 9, p.y * 1.7 + 9, p.z * 1.7 + 9, 20); }

Rgba ShadeRock(double turn, double x, double y) {
  double u = (x - 16) / kRockRadius, v = (y - 16) / kRockRadius;
  double rho = std::hypot(u, v);
  // The outline bulges where the turned boulder has lumps at its rim.
  double phi = std::atan2(v, u);
  Vec3 rim = RotatedAbout({std::cos(phi), std::sin(phi), 0}, kTumbleAxis, -turn);
  double radius = 0.88 + 0.24 * Lumps(rim);
  if (rho >= radius) return {};
  double z = std::sqrt(radius * radius - rho * rho);
  Vec3 surface = RotatedAbout(Vec3{u, v, z} * (1.0 / radius), kTumbleAxis, -turn);
  double facing = z / radius;
  double bumps = Noise3(surface.x * 4, surface.y * 4, surface.z * 4, 21) +
                 0.5 * Noise3(surface.x * 9, surface.y * 9, surface.z * 9, 22);
  double light = 0.12 + 0.80 * std::pow(facing, 0.9) + 0.40 * (bumps / 1.5 - 0.5);
  double crack = std::abs(Noise3(surface.x * 3 + 4, surface.y * 3 + 4, surface.z * 3 + 4, 23) - 0.5);
  if (crack < 0.022 && facing > 0.3) light *= 0.6;
  double speck = Noise3(surface.x * 14, surface.y * 14, surface.z * 14, 24);
  if (speck > 0.8) light += 0.12;
  return Opaque(0.78 * light, 0.74 * light, 0.68 * light);
}

}  // namespace

QImage DrawRocksTexture() {
  QImage sheet = NewSheet();
  for (int index = 0; index < kFramesPerSide * kFramesPerSide; ++index) {
    double turn = index * 2 * kPi / (kFramesPerSide * kFramesPerSide);
    ShadeFrame(sheet, index % kFramesPerSide + 1, index / kFramesPerSide + 1,
               [turn](double x, double y) { return ShadeRock(turn, x, y); }, 3);
  }
  return sheet;
}

}  // namespace brolt::content
