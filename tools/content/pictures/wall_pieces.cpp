#include "tools/content/pictures/wall_pieces.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace brolt::content {

OpenSides PieceOpenSides(int piece) {
  switch (piece) {
    case 1: return {true, true, false, false};
    case 2: return {true, false, false, false};
    case 4: return {true, true, false, true};
    case 5: return {false, true, true, false};
    case 6: return {true, true, true, true};
    default: return {};
  }
}

double WallDepth(const OpenSides& open, double radius, double x, double y) {
  constexpr double kFar = 1e6;
  double left = open.left ? radius : -kFar, right = open.right ? kFrameSize - radius : kFar;
  double top = open.top ? radius : -kFar, bottom = open.bottom ? kFrameSize - radius : kFar;
  double qx = std::max(left - x, x - right), qy = std::max(top - y, y - bottom);
  double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  double inside = std::min(std::max(qx, qy), 0.0);
  return radius - (outside + inside);
}

void DrawWallPieces(QImage& sheet, int row, const WallStyle& style) {
  double radius = style.round ? kFrameSize / 2.0 : 3.0;
  // The material is the same in all six pieces: work it out once at every sample point.
  constexpr int kSamples = 4, kSide = kFrameSize * kSamples;
  std::vector<Rgba> surface(static_cast<std::size_t>(kSide * kSide));
  for (int j = 0; j < kSide; ++j) {
    for (int i = 0; i < kSide; ++i) {
      surface[static_cast<std::size_t>(j * kSide + i)] = style.material((i + 0.5) / kSamples, (j + 0.5) / kSamples);
    }
  }
  for (int piece = 1; piece <= kWallPieces; ++piece) {
    OpenSides open = PieceOpenSides(piece);
    ShadeFrame(sheet, piece, row, [&](double x, double y) -> Rgba {
      double depth = WallDepth(open, radius, x, y);
      if (depth <= 0) return {};
      int i = std::clamp(static_cast<int>(x * kSamples), 0, kSide - 1);
      int j = std::clamp(static_cast<int>(y * kSamples), 0, kSide - 1);
      Rgba colour = surface[static_cast<std::size_t>(j * kSide + i)];
      double light;
      if (style.round) {
        double t = std::min(depth, radius) / radius;
        double profile = std::sqrt(1.0 - (1.0 - t) * (1.0 - t));
        light = 0.42 + 0.58 * profile;
        light += 0.28 * SmoothStep(0.6, 1.6, depth) * (1.0 - SmoothStep(1.8, 3.2, depth));
      } else {
        light = depth < 1.3 ? 1.25 : (depth < 3.6 ? 0.72 : 1.0);
        if (depth >= 3.6 && depth < 4.4) light = 0.55;
      }
      if (depth < 0.7) light *= 0.55;
      return Scaled(colour, light);
    }, kSamples);
  }
}

double QuarterTurnAverage(const std::function<double(double, double)>& pattern, double x, double y) {
  double sum = 0;
  for (int turn = 0; turn < 4; ++turn) {
    sum += pattern(x, y);
    double nx = kFrameSize - y, ny = x;
    x = nx;
    y = ny;
  }
  return sum / 4.0;
}

double CellDistance(double x, double y, int count, std::uint32_t seed, double* second, int* nearest) {
  double best = std::numeric_limits<double>::max(), next = best;
  int bestIndex = 0;
  for (int i = 0; i < count; ++i) {
    double px = Hash01(static_cast<std::uint32_t>(i), seed, 1) * kFrameSize;
    double py = Hash01(static_cast<std::uint32_t>(i), seed, 2) * kFrameSize;
    for (int turn = 0; turn < 4; ++turn) {
      for (int ox = -1; ox <= 1; ++ox) {
        for (int oy = -1; oy <= 1; ++oy) {
          double d = std::hypot(x - (px + ox * kFrameSize), y - (py + oy * kFrameSize));
          if (d < best) {
            next = best;
            best = d;
            bestIndex = i;
          } else if (d < next) {
            next = d;
          }
        }
      }
      double nx = kFrameSize - py, ny = px;
      px = nx;
      py = ny;
    }
  }
  if (second) *second = next;
  if (nearest) *nearest = bestIndex;
  return best;
}

}  // namespace brolt::content
