// Texture 2: row 1 the armored unid cracking open, row 2 the gates (directed in columns 1..4,
// undirected in 5..8; column order: joined on both sides, on the right, on the left, on neither),
// row 3 the rock generator's wall pieces, row 4 the hatcher, row 5 the bomb (column 1 unlit, 2..5 the
// fuse burning down from 5), row 6 column 1 the falling explosive, row 7 the option slider (left cap,
// track, right cap, knob), row 8 the cannon (column 1 at rest, 8 just fired).
#include <algorithm>
#include <cmath>

#include "tools/content/pictures/textures.h"
#include "tools/content/pictures/wall_pieces.h"

namespace brolt::content {

namespace {

Rgba Metal(double light, double r = 0.78, double g = 0.80, double b = 0.84) {
  return Opaque(r * light, g * light, b * light);
}

void DrawArmoredUnid(QImage& sheet) {
  for (int frame = 1; frame <= 8; ++frame) {
    double t = (frame - 1) / 7.0;
    ShadeFrame(sheet, frame, 1, [t](double x, double y) -> Rgba {
      double dx = x - 16, dy = y - 16;
      double open = t * 6.5;
      for (int q = 0; q < 4; ++q) {
        double sx = (q & 1) ? 1 : -1, sy = (q & 2) ? 1 : -1;
        double lx = dx - sx * open * 0.7071, ly = dy - sy * open * 0.7071;
        if (lx * sx < 0.7 || ly * sy < 0.7) continue;
        double h = SphereHeight(lx, ly, 13);
        if (h < 0) continue;
        double light = 0.32 + 0.68 * h;
        double bolt = std::hypot(std::abs(lx) - 6.5, std::abs(ly) - 6.5);
        if (bolt < 1.3) light = 1.1;
        double crackAngle = std::atan2(std::abs(ly), std::abs(lx));
        double radius = std::hypot(lx, ly);
        if (t > 0.1 && std::abs(crackAngle - 0.5 - 0.3 * std::sin(radius * 1.3)) < 0.09 && radius < 3 + t * 12) {
          light *= 0.35;
        }
        return Opaque(0.80 * light, 0.60 * light, 0.34 * light);
      }
      double core = std::abs(dx) + std::abs(dy);
      if (core < 7.5) {
        double facet = (dx < 0) == (dy < 0) ? 0.95 : 0.75;
        if (core > 6.3) facet = 1.0;
        return Opaque(facet * 0.85, facet * 0.97, facet);
      }
      double glow = (1.0 - SmoothStep(7.5, 12, core)) * t;
      return {0.7, 0.95, 1.0, glow * 0.8};
    });
  }
}

void DrawGates(QImage& sheet) {
  for (int column = 1; column <= 8; ++column) {
    bool directed = column <= 4;
    int variant = (column - 1) % 4;
    bool joinedRight = variant == 0 || variant == 1, joinedLeft = variant == 0 || variant == 2;
    ShadeFrame(sheet, column, 2, [=](double x, double y) -> Rgba {
      // Depth inside a post running top to bottom; a joined post reaches the frame's side.
      auto post = [&](double px, bool joined) -> double {
        constexpr double kHalfWidth = 3.5;
        double across = kHalfWidth - std::abs(x - px);
        if (joined) across = px < 16 ? px + kHalfWidth - x : x - (px - kHalfWidth);
        double along = joined ? std::min(y, kFrameSize - y) : std::min(y - 1.0, kFrameSize - 1.0 - y);
        return std::min(across, along);
      };
      double depth = std::max(post(5.5, joinedLeft), post(26.5, joinedRight));
      if (depth > 0) {
        double light = depth < 1.2 ? 1.2 : (depth < 2.6 ? 0.75 : 1.0);
        return Metal(light * 0.85);
      }
      // Chevrons between the posts: up twice for a one-way gate, up and down for a two-way one.
      auto chevron = [&](double tipY, double dir) {
        double dy = (y - tipY) * dir;
        double arm = dy - 0.75 * std::abs(x - 16);
        return std::abs(x - 16) < 6.5 && arm > -1.2 && arm < 1.6;
      };
      bool arrow = directed ? (chevron(8, 1) || chevron(17, 1)) : (chevron(7, 1) || chevron(25, -1));
      if (arrow) return Grey(0.97);
      if (std::abs(x - 16) < 7.5 && (std::abs(y - 16) < 0.6)) return {0.9, 0.9, 0.9, directed ? 0.0 : 0.7};
      return {};
    });
  }
}

Rgba GeneratorPlate(double x, double y) {
  double r = std::hypot(x - 16, y - 16);
  double v = 0.40;
  for (double ring : {5.5, 10.0, 14.0}) {
    if (std::abs(r - ring) < 0.8) v = 0.88;
  }
  if (r < 3.2) v = 0.15 + 0.1 * r / 3.2;
  double corner = std::hypot(std::abs(x - 16) - 12.5, std::abs(y - 16) - 12.5);
  if (corner < 1.5) v = 0.95;
  return Opaque(v * 0.9, v * 0.92, v * 1.0);
}

void DrawHatcher(QImage& sheet) {
  for (int frame = 1; frame <= 8; ++frame) {
    double pulse = std::sin((frame - 1) * 2 * kPi / 8);
    ShadeFrame(sheet, frame, 4, [pulse](double x, double y) -> Rgba {
      double s = 1.0 + 0.05 * pulse;
      double dx = (x - 16) / (9.5 * s), dy = (y - 16) / (12.5 * s);
      double d2 = dx * dx + dy * dy;
      if (d2 >= 1) return {};
      double h = std::sqrt(1 - d2);
      double vein = std::abs(std::sin(std::atan2(dy, dx) * 5 + h * 6 + pulse * 0.6));
      double light = 0.35 + 0.65 * h;
      Rgba shell = Opaque(0.70 * light, 0.88 * light, 0.36 * light);
      if (vein < 0.12 && h < 0.85) shell = Mix(shell, Opaque(0.55, 0.18, 0.60), 0.8);
      double spot = Hash01(static_cast<std::uint32_t>(std::floor((dx + 1) * 4)),
                           static_cast<std::uint32_t>(std::floor((dy + 1) * 5)), 24);
      if (spot > 0.82 && h > 0.3) shell = Mix(shell, Opaque(0.62, 0.30, 0.66), 0.6);
      double glow = (0.5 + 0.5 * pulse) * std::pow(h, 6);
      return Mix(shell, Opaque(1.0, 1.0, 0.75), glow * 0.7);
    });
  }
}

void DrawSpark(QPainter& painter, QPointF at, double size) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 150, 40));
  for (int ray = 0; ray < 8; ++ray) {
    double a = ray * kPi / 4 + 0.2;
    double len = (ray % 2 ? 0.55 : 1.0) * size;
    QPolygonF shape;
    shape << at + QPointF(std::cos(a + 0.35) * size * 0.25, std::sin(a + 0.35) * size * 0.25)
          << at + QPointF(std::cos(a) * len, std::sin(a) * len)
          << at + QPointF(std::cos(a - 0.35) * size * 0.25, std::sin(a - 0.35) * size * 0.25);
    painter.drawPolygon(shape);
  }
  painter.setBrush(QColor(255, 250, 200));
  painter.drawEllipse(at, size * 0.3, size * 0.3);
}

void DrawBombs(QImage& sheet) {
  for (int frame = 1; frame <= 5; ++frame) {
    double urgency = frame == 1 ? 0.0 : (5 - frame) / 3.0;
    ShadeFrame(sheet, frame, 5, [urgency](double x, double y) -> Rgba {
      double h = SphereHeight(x - 15, y - 18, 10.5);
      if (h < 0) return {};
      double light = 0.30 + 0.70 * h;
      Rgba body = Opaque(0.30 * light, 0.32 * light, 0.42 * light);
      body = Mix(body, Opaque(0.9 * light, 0.2 * light, 0.15 * light), urgency * 0.55);
      double rim = SmoothStep(0.15, 0.0, h);
      return Mix(body, Opaque(0.75, 0.80, 0.95), rim * 0.6);
    });
    FramePainter painter(sheet, frame, 5);
    painter->setBrush(QColor(120, 124, 140));
    painter->save();
    painter->translate(21.5, 10.5);
    painter->rotate(45);
    painter->drawRoundedRect(QRectF(-3, -2.5, 6, 5), 1, 1);
    painter->restore();
    double fuse = frame == 1 ? 7.0 : 1.5 + (frame - 1) * 1.6;
    QPainterPath path(QPointF(23, 9));
    path.cubicTo(QPointF(24 + fuse * 0.3, 9 - fuse * 0.6), QPointF(24 + fuse * 0.8, 8 - fuse * 0.3),
                 QPointF(23.5 + fuse * 0.9, 8.5 - fuse * 0.75));
    QPen pen(QColor(215, 190, 140));
    pen.setWidthF(1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
    if (frame > 1) DrawSpark(*painter, path.currentPosition(), 4.5);
  }
}

void DrawExplosive(QImage& sheet) {
  ShadeFrame(sheet, 1, 6, [](double x, double y) -> Rgba {
    double h = SphereHeight(x - 16, y - 16, 12.5);
    if (h < 0) return {};
    double light = 0.35 + 0.65 * h;
    double r = std::hypot(x - 16, y - 16);
    Rgba c = Opaque(0.92 * light, 0.16 * light, 0.12 * light);
    if (r > 8.5 && r < 10.5) {
      double a = std::atan2(y - 16, x - 16);
      bool stripe = std::fmod(a / (2 * kPi) * 12 + 12, 2.0) < 1.0;
      c = stripe ? Opaque(0.98 * light, 0.85 * light, 0.1 * light) : Opaque(0.12, 0.12, 0.12);
    }
    // A warning triangle in the middle.
    double ty = y - 16, tx = std::abs(x - 16);
    if (ty > -6 && ty < 4.5 && tx < (ty + 6) * 0.62) {
      c = Opaque(1.0, 0.9, 0.2);
      if (tx < 0.9 && ((ty > -3 && ty < 1) || (ty > 2 && ty < 3.4))) c = Opaque(0.1, 0.08, 0.05);
    }
    return c;
  });
}

void DrawSlider(QImage& sheet) {
  auto bar = [](double x, double y, double from, double to) -> Rgba {
    double half = 3.2;
    double dx = x < from ? from - x : (x > to ? x - to : 0.0);
    double d = std::hypot(dx, y - 16);
    if (d > half) return {};
    double h = std::sqrt(1 - (d / half) * (d / half));
    return Grey(0.45 + 0.55 * h);
  };
  ShadeFrame(sheet, 1, 7, [&](double x, double y) { return bar(x, y, 12, 40); });
  ShadeFrame(sheet, 2, 7, [&](double x, double y) { return bar(x, y, -8, 40); });
  ShadeFrame(sheet, 3, 7, [&](double x, double y) { return bar(x, y, -8, 20); });
  ShadeFrame(sheet, 4, 7, [](double x, double y) -> Rgba {
    double r = std::hypot(x - 16, y - 16);
    double h = SphereHeight(x - 16, y - 16, 11);
    if (h < 0) return {};
    double v = 0.45 + 0.55 * h;
    if (std::abs(r - 6) < 0.8) v *= 0.6;
    return Grey(v);
  });
}

// The barrel recoils on firing and comes back; a muzzle flash shows in the first three pictures.
void DrawCannons(QImage& sheet) {
  for (int frame = 1; frame <= 8; ++frame) {
    double recoil = std::max(0, frame - 4) * 1.1;
    ShadeFrame(sheet, frame, 8, [=](double x, double y) -> Rgba {
      // Barrel, pointing up.
      double top = 2.5 + recoil;
      if (std::abs(x - 16) < 3.6 && y > top && y < 18) {
        double across = 1.0 - std::abs(x - 16) / 3.6;
        double v = 0.45 + 0.55 * std::sqrt(across);
        if (y < top + 2.5) v = std::min(1.0, v + 0.2);
        if (y < top + 2.5 && std::abs(x - 16) < 1.4) v = 0.12;
        return Metal(v);
      }
      double h = SphereHeight(x - 16, y - 19, 11.5);
      if (h >= 0) {
        double v = 0.30 + 0.65 * h;
        double r = std::hypot(x - 16, y - 19);
        if (std::abs(r - 7.5) < 0.7) v *= 0.55;
        if (std::hypot(std::abs(x - 16) - 5.8, std::abs(y - 19) - 5.8) < 1.2) v = 1.0;
        return Metal(v, 0.70, 0.72, 0.78);
      }
      return {};
    });
    if (frame >= 6) {
      FramePainter painter(sheet, frame, 8);
      DrawSpark(*painter, QPointF(16, 2.5 + recoil - 1.5), 2.5 + (frame - 5) * 2.2);
    }
  }
}

}  // namespace

QImage DrawMiscTexture() {
  QImage sheet = NewSheet();
  DrawArmoredUnid(sheet);
  DrawGates(sheet);
  DrawWallPieces(sheet, 3, {false, GeneratorPlate});
  DrawHatcher(sheet);
  DrawBombs(sheet);
  DrawExplosive(sheet);
  DrawSlider(sheet);
  DrawCannons(sheet);
  return sheet;
}

}  // namespace brolt::content
