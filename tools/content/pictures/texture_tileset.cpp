// Texture 1: the eight plain walls (one row each, pieces in columns 1..6), the grass animation in
// column 7 and, in column 8 row 1, nothing at all: the vacated cell and the empty cell are drawn
// from there and must stay invisible.
#include <cmath>

#include "tools/content/pictures/textures.h"
#include "tools/content/pictures/wall_pieces.h"

namespace brolt::content {

namespace {

double Mod(double v, double m) { return v - m * std::floor(v / m); }

// Distance to the nearest line of a grid of `spacing`.
double GridLineDistance(double x, double y, double spacing) {
  auto axis = [&](double v) {
    double m = Mod(v, spacing);
    return std::min(m, spacing - m);
  };
  return std::min(axis(x), axis(y));
}

double TurnedNoise(double x, double y, double scale, std::uint32_t seed) {
  return QuarterTurnAverage(
      [&](double px, double py) { return FractalNoise(px / scale, py / scale, kFrameSize / static_cast<int>(scale), 3, seed); },
      x, y);
}

Rgba Tone(double v, double r, double g, double b) { return Opaque(v * r, v * g, v * b); }

// Row 1, wall 10: riveted steel plates.
Rgba SteelPlate(double x, double y) {
  double v = 0.70 + 0.10 * (TurnedNoise(x, y, 8, 10) - 0.5);
  if (GridLineDistance(x, y, 16) < 0.9) v *= 0.5;
  double lx = Mod(x, 16), ly = Mod(y, 16);
  for (double cx : {4.0, 12.0}) {
    for (double cy : {4.0, 12.0}) {
      double d = std::hypot(lx - cx, ly - cy);
      if (d < 1.7) v = 0.98 - 0.25 * d / 1.7;
      else if (d < 2.3) v *= 0.7;
    }
  }
  return Tone(v, 0.95, 0.98, 1.04);
}

// Row 2, wall 11: polished stone.
Rgba PolishedStone(double x, double y) {
  double v = 0.80 + 0.16 * (TurnedNoise(x, y, 16, 11) - 0.5) + 0.05 * (TurnedNoise(x, y, 4, 12) - 0.5);
  return Tone(v, 1.0, 0.99, 0.97);
}

// Row 3, wall 12: cobblestones set in mortar.
Rgba Cobbles(double x, double y) {
  double second = 0;
  int stone = 0;
  double d = CellDistance(x, y, 3, 12, &second, &stone);
  double edge = second - d;
  if (edge < 1.3) return Grey(0.34);
  double v = 0.60 + 0.14 * Hash01(static_cast<std::uint32_t>(stone), 7) + 0.10 * std::min(edge, 4.0) / 4.0;
  v += 0.06 * (TurnedNoise(x, y, 4, 13) - 0.5);
  return Tone(v, 1.02, 1.0, 0.96);
}

// Row 4, wall 13: rounded pebbles.
Rgba Pebbles(double x, double y) {
  double second = 0;
  int stone = 0;
  double d = CellDistance(x, y, 5, 13, &second, &stone);
  double edge = second - d;
  if (edge < 1.0) return Grey(0.30);
  double bump = std::sqrt(std::min(edge, 3.5) / 3.5);
  double v = 0.52 + 0.12 * Hash01(static_cast<std::uint32_t>(stone), 9) + 0.26 * bump;
  return Tone(v, 1.0, 1.0, 1.0);
}

// Row 5, wall 14: raised square blocks.
Rgba Blocks(double x, double y) {
  double edge = 8.0 - std::max(std::abs(Mod(x, 16) - 8.0), std::abs(Mod(y, 16) - 8.0));
  double v = edge < 0.9 ? 0.38 : 0.58 + 0.30 * std::min(edge - 0.9, 3.0) / 3.0;
  v += 0.08 * (TurnedNoise(x, y, 4, 14) - 0.5);
  return Tone(v, 1.0, 1.0, 1.02);
}

// Row 6, wall 16: crystal facets.
Rgba Crystal(double x, double y) {
  double a = Mod(x + y, 16), b = Mod(x - y, 16);
  double da = std::min(a, 16 - a), db = std::min(b, 16 - b);
  double line = std::min(da, db);
  if (line < 0.8) return Grey(0.95);
  double v = 0.55 + 0.35 * std::min(line, 5.6) / 5.6;
  return Tone(v, 0.98, 1.0, 1.04);
}

// Row 7, wall 17: a circuit of nested squares.
Rgba Circuit(double x, double y) {
  double dx = std::abs(x - 16), dy = std::abs(y - 16);
  double ring = std::max(dx, dy);
  double v = 0.62 + 0.06 * (TurnedNoise(x, y, 8, 17) - 0.5);
  if (std::abs(ring - 6) < 0.9 || std::abs(ring - 12.5) < 0.9) v = 0.88;
  if (std::min(dx, dy) < 0.9 && ring > 6 && ring < 12.5) v = 0.88;
  if (std::hypot(dx - 9.5, dy - 9.5) < 1.6) v = 0.95;
  if (ring < 5) v = 0.45;
  return Tone(v, 0.97, 1.0, 1.0);
}

// Row 8, wall 15: mossy lumps.
Rgba Mossy(double x, double y) {
  double n = TurnedNoise(x, y, 8, 15);
  double v = n > 0.52 ? 0.84 : 0.60;
  v += 0.12 * (TurnedNoise(x, y, 4, 16) - 0.5);
  return Tone(v, 0.98, 1.02, 0.96);
}

// Column 7: eight frames of grass swaying over soil.
void DrawGrass(QImage& sheet) {
  for (int frame = 1; frame <= kFramesPerSide; ++frame) {
    ShadeFrame(sheet, 7, frame, [](double x, double y) {
      double v = 0.30 + 0.12 * FractalNoise(x / 4, y / 4, 8, 2, 45) + 0.05 * Hash01(static_cast<std::uint32_t>(x * 2),
                                                                                 static_cast<std::uint32_t>(y * 2), 45);
      return Tone(v, 1.05, 1.0, 0.9);
    });
    FramePainter painter(sheet, 7, frame);
    double phase = (frame - 1) * 2.0 * kPi / kFramesPerSide;
    for (int blade = 0; blade < 56; ++blade) {
      auto seed = static_cast<std::uint32_t>(blade);
      double bx = 1 + Hash01(seed, 1, 45) * 30, by = 1 + Hash01(seed, 2, 45) * 30;
      double length = 2.5 + Hash01(seed, 3, 45) * 2.5;
      double angle = Hash01(seed, 4, 45) * 2 * kPi + 0.45 * std::sin(phase + Hash01(seed, 5, 45) * 2 * kPi);
      double tone = 0.58 + 0.32 * Hash01(seed, 6, 45);
      QPen pen(ToQColor(Tone(tone, 0.96, 1.0, 0.88)));
      pen.setWidthF(1.1);
      pen.setCapStyle(Qt::RoundCap);
      painter->setPen(pen);
      painter->drawLine(QPointF(bx, by), QPointF(bx + length * std::cos(angle), by + length * std::sin(angle)));
    }
  }
}

}  // namespace

QImage DrawTilesetTexture() {
  QImage sheet = NewSheet();
  // Rows in the order of the wall types' picture rows: 10, 11, 12, 13, 14, 16, 17, 15.
  DrawWallPieces(sheet, 1, {false, SteelPlate});
  DrawWallPieces(sheet, 2, {true, PolishedStone});
  DrawWallPieces(sheet, 3, {false, Cobbles});
  DrawWallPieces(sheet, 4, {true, Pebbles});
  DrawWallPieces(sheet, 5, {false, Blocks});
  DrawWallPieces(sheet, 6, {true, Crystal});
  DrawWallPieces(sheet, 7, {false, Circuit});
  DrawWallPieces(sheet, 8, {true, Mossy});
  DrawGrass(sheet);
  return sheet;
}

}  // namespace brolt::content
