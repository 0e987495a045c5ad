// Texture 15: the power-ups, one row each with eight pictures of a shimmer that runs round the orb:
// row 1 shield, 2 freeze, 3 shot, 4 bomb, 5 checkpoint. Row 8: the push block, eight carvings of a
// round stone block (the game picks one at random and turns it at random; the level's fourth colour
// tints it). The head-up display shows the first four rows at half size, so the emblems are bold.
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

enum class Emblem { Shield, Freeze, Shot, Bomb, Checkpoint };

void DrawOrb(QImage& sheet, int column, int row, const Rgba& colour) {
  double phase = (column - 1) * 2 * kPi / kFramesPerSide;
  ShadeFrame(sheet, column, row, [&](double x, double y) -> Rgba {
    double dx = x - 16, dy = y - 16;
    double h = SphereHeight(dx, dy, 13.0);
    if (h < 0) {
      double r = std::hypot(dx, dy);
      double glow = (1.0 - SmoothStep(13.0, 15.5, r)) * (0.55 + 0.45 * std::sin(phase));
      return WithAlpha(Mix(colour, Grey(1), 0.4), glow);
    }
    double a = std::atan2(dy, dx);
    double shimmer = std::pow(0.5 + 0.5 * std::cos(a - phase), 8) * (1.0 - h);
    Rgba c = Scaled(colour, 0.35 + 0.65 * h);
    c = Mix(c, Grey(1), shimmer * 0.8);
    if (h < 0.25) c = Mix(c, Mix(colour, Grey(1), 0.6), (0.25 - h) * 3);
    return c;
  });
}

void DrawEmblem(QPainter& p, Emblem emblem) {
  QColor ink(255, 255, 255);
  QPen outline(QColor(30, 30, 50), 1.2);
  outline.setJoinStyle(Qt::RoundJoin);
  p.setPen(outline);
  p.setBrush(ink);
  switch (emblem) {
    case Emblem::Shield: {
      QPainterPath shield;
      shield.moveTo(16, 7);
      shield.lineTo(24, 10);
      shield.cubicTo(24, 18, 21, 22.5, 16, 25.5);
      shield.cubicTo(11, 22.5, 8, 18, 8, 10);
      shield.closeSubpath();
      p.drawPath(shield);
      p.setBrush(QColor(60, 200, 255));
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(15, 10, 2, 12));
      p.drawRect(QRectF(11, 14, 10, 2));
      break;
    }
    case Emblem::Freeze: {
      QPen arm(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap);
      for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 60);
        p.setPen(QPen(QColor(30, 50, 90), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -9), QPointF(0, 9));
        p.setPen(arm);
        p.drawLine(QPointF(0, -9), QPointF(0, 9));
        for (int end = -1; end <= 1; end += 2) {
          p.drawLine(QPointF(0, end * 5.5), QPointF(-2.8, end * 8));
          p.drawLine(QPointF(0, end * 5.5), QPointF(2.8, end * 8));
        }
        p.restore();
      }
      break;
    }
    case Emblem::Shot: {
      QPolygonF bolt{QPointF(18.5, 5.5), QPointF(9.5, 17.5), QPointF(15.5, 17.5),
                     QPointF(13, 26.5), QPointF(22.5, 13.5), QPointF(16.5, 13.5)};
      p.setBrush(QColor(255, 250, 200));
      p.drawPolygon(bolt);
      break;
    }
    case Emblem::Bomb: {
      p.setBrush(QColor(50, 52, 64));
      p.setPen(QPen(QColor(250, 250, 255), 1.2));
      p.drawEllipse(QPointF(15, 18), 7, 7);
      p.setPen(QPen(QColor(255, 230, 160), 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(19.5, 12.5), QPointF(22.5, 8.5));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 200));
      p.drawEllipse(QPointF(23, 8), 2.2, 2.2);
      p.setBrush(QColor(255, 255, 255));
      p.drawEllipse(QPointF(12.5, 15.5), 1.6, 1.6);
      break;
    }
    case Emblem::Checkpoint: {
      p.setPen(QPen(QColor(30, 40, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(11, 7), QPointF(11, 26));
      p.setPen(QPen(QColor(255, 255, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(11, 7), QPointF(11, 26));
      p.setPen(outline);
      p.drawPolygon(QPolygonF{QPointF(11.5, 7.5), QPointF(23.5, 11.5), QPointF(11.5, 16.5)});
      break;
    }
  }
}

// A round stone block; `carving` 0..7 picks the mark cut into its face.
void DrawPushBlock(QImage& sheet, int carving) {
  ShadeFrame(sheet, carving + 1, 8, [carving](double x, double y) -> Rgba {
    double dx = x - 16, dy = y - 16;
    double r = std::hypot(dx, dy);
    if (r > 14.5) return {};
    double v = r > 12.5 ? 0.55 + 0.35 * (14.5 - r) / 2.0 : 0.80;
    if (r > 11.5 && r <= 12.5) v = 0.42;
    double a = std::atan2(dy, dx);
    int spokes = 3 + carving % 4;
    double groove = std::abs(std::sin(a * spokes / 2.0 + carving));
    if (r < 11.5 && r > 3 && groove < 0.08 * 11.5 / r) v = 0.5;
    if (carving >= 4 && std::abs(r - 6.5) < 0.7) v = 0.5;
    if (r < 2.5) v = 0.62;
    v += 0.06 * (FractalNoise(x / 4, y / 4, 8, 2, 96 + static_cast<std::uint32_t>(carving)) - 0.5);
    return Opaque(v * 0.98, v * 0.96, v * 0.92);
  });
}

}  // namespace

QImage DrawPowerupsTexture() {
  QImage sheet = NewSheet();
  struct Kind {
    int row;
    Rgba colour;
    Emblem emblem;
  };
  const Kind kinds[] = {{1, Opaque(0.15, 0.70, 1.0), Emblem::Shield},
                        {2, Opaque(0.55, 0.80, 1.0), Emblem::Freeze},
                        {3, Opaque(1.0, 0.70, 0.10), Emblem::Shot},
                        {4, Opaque(1.0, 0.35, 0.20), Emblem::Bomb},
                        {5, Opaque(0.25, 0.90, 0.35), Emblem::Checkpoint}};
  for (const Kind& kind : kinds) {
    for (int column = 1; column <= kFramesPerSide; ++column) {
      DrawOrb(sheet, column, kind.row, kind.colour);
      FramePainter painter(sheet, column, kind.row);
      DrawEmblem(*painter, kind.emblem);
    }
  }
  for (int carving = 0; carving < kFramesPerSide; ++carving) DrawPushBlock(sheet, carving);
  return sheet;
}

}  // namespace brolt::content
