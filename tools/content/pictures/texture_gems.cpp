// Texture 7: the unid, a cut gem turning about its upright axis. The 64 pictures are read row by
// row and loop; the gem's eight-fold cut repeats every 45 degrees, which the run turns through four
// times. Drawn in light greys: the level's third colour gives the unids their hue.
#include <array>
#include <cmath>
#include <vector>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"
#include "tools/content/pictures/vec3.h"

namespace brolt::content {

namespace {

struct Plane {
  Vec3 normal;  // outward, unit length
  double offset = 0;
  int shade = 0;  // which kind of facet: 0 table, 1 crown, 2 pavilion
};

constexpr int kSides = 8;

// The gem's faces as planes, with its upright axis along y (up is -y on screen before turning).
std::vector<Plane> GemPlanes(double spin) {
  std::vector<Plane> planes;
  auto ring = [&](double radius, double height, double phase) {
    std::array<Vec3, kSides> points;
    for (int i = 0; i < kSides; ++i) {
      double a = spin + (i + phase) * 2 * kPi / kSides;
      points[static_cast<std::size_t>(i)] = {radius * std::cos(a), height, radius * std::sin(a)};
    }
    return points;
  };
  auto table = ring(0.58, -0.5, 0.5), girdle = ring(1.0, -0.05, 0.0);
  Vec3 apex{0, 1.0, 0};
  planes.push_back({{0, -1, 0}, 0.5, 0});
  for (int i = 0; i < kSides; ++i) {
    auto j = static_cast<std::size_t>(i), k = static_cast<std::size_t>((i + 1) % kSides);
    Vec3 a = girdle[j], b = girdle[k], c = table[j];
    Vec3 n = Normalised(Cross(b - a, c - a));
    if (Dot(n, a) < 0) n = n * -1.0;
    planes.push_back({n, Dot(n, a), 1});
    Vec3 p = Normalised(Cross(b - a, apex - a));
    if (Dot(p, a) < 0) p = p * -1.0;
    planes.push_back({p, Dot(p, a), 2});
  }
  return planes;
}

// Tilts a point so that the viewer looks a little down onto the gem's table.
Vec3 Tilt(Vec3 v, double angle) {
  double c = std::cos(angle), s = std::sin(angle);
  return {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
}

Rgba ShadeGem(const std::vector<Plane>& planes, double x, double y) {
  constexpr double kRadius = 13.0, kTilt = 0.22;
  // A ray toward -z in the viewer's space, turned into the gem's own space.
  Vec3 origin = Tilt({(x - 16) / kRadius, (y - 14.5) / kRadius, 5.0}, kTilt);
  Vec3 dir = Tilt({0, 0, -1}, kTilt);
  double enter = -1e9, second = -1e9, leave = 1e9;
  const Plane* face = nullptr;
  for (const Plane& plane : planes) {
    double denom = Dot(plane.normal, dir), dist = plane.offset - Dot(plane.normal, origin);
    if (std::abs(denom) < 1e-9) {
      if (dist < 0) return {};
      continue;
    }
    double t = dist / denom;
    if (denom < 0) {
      if (t > enter) {
        second = enter;
        enter = t;
        face = &plane;
      } else if (t > second) {
        second = t;
      }
    } else {
      leave = std::min(leave, t);
    }
  }
  if (!face || enter > leave) return {};
  Vec3 n = Tilt(face->normal, -kTilt);
  Vec3 light = Normalised({-0.5, -0.7, 0.6});
  double diffuse = std::max(0.0, Dot(n, light));
  Vec3 reflected = n * (2 * n.z) - Vec3{0, 0, 1};
  double sparkle = std::pow(std::max(0.0, Dot(reflected, light)), 24);
  // Light caught inside the stone: changes from facet to facet and as the gem turns.
  double inner = 0.5 + 0.5 * std::cos(3.0 * std::atan2(n.x, n.z) + 4.0 * n.y);
  double base = face->shade == 0 ? 0.95 : (face->shade == 1 ? 0.85 : 0.75);
  double v = base * (0.30 + 0.30 * diffuse + 0.55 * inner) + 0.6 * sparkle;
  if ((enter - second) * kRadius < 0.55) v *= 0.72;  // the edges between facets
  return Opaque(std::min(1.0, v * 0.96), std::min(1.0, v * 0.99), std::min(1.0, v * 1.04));
}

}  // namespace

QImage DrawGemsTexture() {
  QImage sheet = NewSheet();
  for (int index = 0; index < kFramesPerSide * kFramesPerSide; ++index) {
    double spin = index * (2 * kPi / kSides) / 16.0;
    std::vector<Plane> planes = GemPlanes(spin);
    int column = index % kFramesPerSide + 1, row = index / kFramesPerSide + 1;
    ShadeFrame(sheet, column, row, [&](double x, double y) { return ShadeGem(planes, x, y); }, 3);
    int glint = index % 16;
    if (glint >= 5 && glint <= 8) {
      FramePainter painter(sheet, column, row);
      double size = 3.0 + 2.0 * (glint == 6 || glint == 7);
      painter->setBrush(Qt::white);
      QPointF at(10.5, 9.5);
      painter->drawPolygon(QPolygonF{at + QPointF(0, -size), at + QPointF(0.8, -0.8), at + QPointF(size, 0),
                                     at + QPointF(0.8, 0.8), at + QPointF(0, size), at + QPointF(-0.8, 0.8),
                                     at + QPointF(-size, 0), at + QPointF(-0.8, -0.8)});
    }
  }
  return sheet;
}

}  // namespace brolt::content
