// Texture 9: row 1 the force floor (arrows running up, one step per picture, looping), row 3 the
// key blocks A, B, C in columns 4..6 and the switch, on in column 7 and off in column 8, rows 4..6
// the key holes A, B, C (column 1 shut, then vanishing), row 7 the exit portal (column 1 closed,
// opening through to column 8, open), row 8 the door (column 1 shut, opening through to 8).
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

const Rgba kKeyColours[] = {Opaque(1.0, 0.32, 0.28), Opaque(0.35, 1.0, 0.42), Opaque(0.38, 0.58, 1.0)};

double Mod(double v, double m) { return v - m * std::floor(v / m); }

void DrawForceFloor(QImage& sheet) {
  for (int frame = 1; frame <= kFramesPerSide; ++frame) {
    double shift = (frame - 1) * 2.0;
    ShadeFrame(sheet, frame, 1, [shift](double x, double y) -> Rgba {
      Rgba plate = Opaque(0.20, 0.24, 0.32);
      if (x < 3 || x > 29) plate = Opaque(0.42, 0.46, 0.55);
      if ((x > 2.2 && x < 3.2) || (x > 28.8 && x < 29.8)) plate = Opaque(0.12, 0.14, 0.2);
      // Chevrons pointing up, every 16 pixels, moving up two pixels a picture.
      double along = Mod(y + shift, 16.0);
      double arm = along - 4 - 0.7 * std::abs(x - 16);
      if (std::abs(x - 16) < 10 && arm > 0 && arm < 4.5) {
        double glow = 1.0 - std::abs(arm - 2.25) / 2.25 * 0.4;
        return Opaque(0.35 * glow, 0.95 * glow, 1.0 * glow);
      }
      return plate;
    });
  }
}

void DrawKeyEmblem(QPainter& p, const QColor& colour, double scale) {
  p.save();
  p.translate(16, 16);
  p.scale(scale, scale);
  p.setPen(QPen(colour.darker(250), 1.0));
  p.setBrush(colour);
  QPainterPath key;
  key.addEllipse(QPointF(-4.5, 0), 3.6, 3.6);
  key.addRect(QRectF(-1.5, -1.3, 9, 2.6));
  key.addRect(QRectF(4.5, 1.0, 1.8, 2.6));
  key.addRect(QRectF(1.8, 1.0, 1.6, 2.0));
  key.setFillRule(Qt::WindingFill);
  QPainterPath hole;
  hole.addEllipse(QPointF(-4.5, 0), 1.3, 1.3);
  p.drawPath(key.simplified().subtracted(hole));
  p.restore();
}

void DrawKeyBlocks(QImage& sheet) {
  for (int key = 0; key < 3; ++key) {
    Rgba colour = kKeyColours[key];
    ShadeFrame(sheet, 4 + key, 3, [colour](double x, double y) -> Rgba {
      double h = SphereHeight(x - 16, y - 16, 13.5);
      if (h < 0) return {};
      double r = std::hypot(x - 16, y - 16);
      double light = 0.35 + 0.65 * h;
      if (r > 10) return Opaque(0.85 * light, 0.85 * light, 0.9 * light);
      if (r > 9) return Grey(0.25);
      return Scaled(Mix(colour, Grey(1), 0.15), 0.55 + 0.45 * h);
    });
    FramePainter painter(sheet, 4 + key, 3);
    DrawKeyEmblem(*painter, QColor(255, 255, 240), 1.0);
  }
}

void DrawSwitches(QImage& sheet) {
  for (int on = 0; on <= 1; ++on) {
    int column = on ? 7 : 8;
    ShadeFrame(sheet, column, 3, [](double x, double y) -> Rgba {
      double depth = std::min({x - 3, 29 - x, y - 17, 30 - y});
      if (depth < 0) return {};
      double light = depth < 1.2 ? 1.2 : (depth < 2.5 ? 0.7 : 1.0);
      return Opaque(0.55 * light, 0.58 * light, 0.65 * light);
    });
    FramePainter painter(sheet, column, 3);
    painter->setPen(QPen(QColor(40, 40, 48), 2.6, Qt::SolidLine, Qt::RoundCap));
    QPointF pivot(16, 21);
    QPointF tip = pivot + QPointF(on ? 8.5 : -8.5, -12);
    painter->drawLine(pivot, tip);
    painter->setPen(QPen(QColor(200, 200, 210), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(pivot, tip);
    painter->setPen(QPen(QColor(40, 20, 20), 0.8));
    painter->setBrush(on ? QColor(90, 255, 110) : QColor(255, 70, 60));
    painter->drawEllipse(tip, 3.4, 3.4);
    painter->setBrush(QColor(90, 92, 104));
    painter->drawEllipse(pivot, 3.0, 3.0);
    painter->setBrush(on ? QColor(120, 255, 140) : QColor(110, 40, 36));
    painter->drawEllipse(QPointF(9, 25.5), 1.8, 1.8);
    painter->setBrush(on ? QColor(40, 80, 44) : QColor(255, 90, 70));
    painter->drawEllipse(QPointF(23, 25.5), 1.8, 1.8);
  }
}

void DrawKeyHoles(QImage& sheet) {
  for (int key = 0; key < 3; ++key) {
    Rgba colour = kKeyColours[key];
    for (int frame = 1; frame <= kFramesPerSide; ++frame) {
      double open = (frame - 1) / 7.0;
      double half = 14.5 * (1.0 - open);
      ShadeFrame(sheet, frame, 4 + key, [=](double x, double y) -> Rgba {
        double depth = half - std::max(std::abs(x - 16), std::abs(y - 16));
        if (depth < 0) return {};
        if (depth < 2.2) return Scaled(colour, depth < 1 ? 1.0 : 0.7);
        double keyhole = std::hypot(x - 16, y - 13.5 * (1 - open) - 16 * open);
        bool slot = std::abs(x - 16) < 1.7 * (1 - open) && y > 16 - 2 * open && y < 16 + 7 * (1 - open);
        if (keyhole < 3.3 * (1 - open) || slot) return Opaque(0.05, 0.05, 0.07);
        return Scaled(Mix(colour, Grey(0.3), 0.55), 0.7 + 0.3 * (1 - open));
      });
    }
  }
}

void DrawExitPortal(QImage& sheet) {
  for (int frame = 1; frame <= kFramesPerSide; ++frame) {
    double open = (frame - 1) / 7.0;
    ShadeFrame(sheet, frame, 7, [open](double x, double y) -> Rgba {
      double r = std::hypot(x - 16, y - 16);
      if (r > 15) return {};
      if (r > 11.5) {
        double h = 1.0 - std::abs(r - 13.25) / 1.75;
        double a = std::atan2(y - 16, x - 16);
        double studs = std::pow(std::abs(std::cos(a * 4)), 20);
        Rgba stone = Scaled(Opaque(0.72, 0.66, 0.80), 0.45 + 0.55 * h + 0.2 * studs);
        return Mix(stone, Opaque(1.0, 0.95, 0.6), open * studs);
      }
      double a = std::atan2(y - 16, x - 16);
      double swirl = 0.5 + 0.5 * std::sin(a * 3 + r * 0.7 - open * 4);
      Rgba sealed = Scaled(Opaque(0.30, 0.24, 0.40), 0.6 + 0.4 * swirl);
      Rgba vortex = Mix(Opaque(0.55, 0.25, 1.0), Opaque(0.55, 1.0, 1.0), swirl);
      vortex = Mix(vortex, Grey(1), 1.0 - SmoothStep(0, 5, r));
      return Mix(sealed, vortex, open);
    });
  }
}

void DrawDoor(QImage& sheet) {
  for (int frame = 1; frame <= kFramesPerSide; ++frame) {
    double aperture = 10.5 * (frame - 1) / 7.0;
    ShadeFrame(sheet, frame, 8, [aperture](double x, double y) -> Rgba {
      double dx = x - 16, dy = y - 16;
      double r = std::hypot(dx, dy);
      double frameDepth = 15.5 - std::max(std::abs(dx), std::abs(dy));
      if (frameDepth < 0) return {};
      if (r > 11.5) {
        double light = frameDepth < 1.2 ? 1.2 : (frameDepth < 2.6 ? 0.7 : 1.0);
        double bolt = std::hypot(std::abs(dx) - 12.5, std::abs(dy) - 12.5);
        if (bolt < 1.2) light = 1.3;
        return Opaque(0.72 * light, 0.56 * light, 0.28 * light);
      }
      if (r > 10.5) return Opaque(0.2, 0.16, 0.1);
      // Six iris blades, each a straight edge turned about the centre, leaving the aperture open.
      double a = std::atan2(dy, dx);
      double sector = Mod(a + 0.3, 2 * kPi / 6);
      double edge = r * std::sin(sector + 0.9) - aperture;
      if (edge < 0) return {};
      double shade = 0.55 + 0.35 * sector / (2 * kPi / 6);
      if (edge < 0.8) shade *= 0.5;
      return Opaque(0.62 * shade, 0.64 * shade, 0.70 * shade);
    });
  }
}

}  // namespace

QImage DrawPortalsTexture() {
  QImage sheet = NewSheet();
  DrawForceFloor(sheet);
  DrawKeyBlocks(sheet);
  DrawSwitches(sheet);
  DrawKeyHoles(sheet);
  DrawExitPortal(sheet);
  DrawDoor(sheet);
  return sheet;
}

}  // namespace brolt::content
