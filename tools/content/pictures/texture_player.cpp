// Texture 3: the Thresher, a small harvester with a spinning reel, facing right (the game mirrors
// it when it faces left). Rows 1..3: standing and walking, turning round, pushing; rows 4..6: the
// same inside the shield. Columns 1..8 are the wheel and reel positions; the walk plays them from
// 8 down to 1, so the wheels turn forward as the column number falls.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

enum class Pose { Standing, Turning, Pushing };

const QColor kBodyLight(255, 196, 64), kBodyDark(196, 104, 20), kOutline(70, 36, 12);

// The turn of the wheels and the reel in column `frame`: later in the walk means a larger angle.
double SpinDegrees(int frame, double perFrame) { return (kFramesPerSide - frame) * perFrame; }

void DrawWheel(QPainter& p, QPointF centre, double radius, double spin) {
  p.setPen(QPen(QColor(20, 20, 24), 1.0));
  p.setBrush(QColor(46, 46, 54));
  p.drawEllipse(centre, radius, radius);
  p.setBrush(QColor(170, 172, 180));
  p.setPen(Qt::NoPen);
  p.drawEllipse(centre, radius * 0.45, radius * 0.45);
  p.save();
  p.translate(centre);
  p.rotate(spin);
  p.setPen(QPen(QColor(210, 212, 220), 1.1));
  for (int spoke = 0; spoke < 2; ++spoke) {
    p.drawLine(QPointF(-radius * 0.8, 0), QPointF(radius * 0.8, 0));
    p.rotate(90);
  }
  p.restore();
}

void DrawReel(QPainter& p, QPointF centre, double radius, double spin) {
  p.save();
  p.translate(centre);
  p.rotate(spin);
  p.setPen(QPen(QColor(90, 20, 16), 1.0));
  p.setBrush(QColor(228, 62, 44));
  for (int tine = 0; tine < 4; ++tine) {
    QPolygonF blade;
    blade << QPointF(-1.3, 0) << QPointF(1.3, 0) << QPointF(2.2, -radius) << QPointF(-0.4, -radius - 0.6);
    p.drawPolygon(blade);
    p.rotate(90);
  }
  p.setBrush(QColor(236, 236, 240));
  p.drawEllipse(QPointF(0, 0), radius * 0.42, radius * 0.42);
  p.restore();
}

void DrawEye(QPainter& p, QPointF centre, double lookX, bool squint) {
  p.setPen(QPen(QColor(20, 30, 60), 0.8));
  p.setBrush(QColor(250, 252, 255));
  if (squint) {
    p.drawRoundedRect(QRectF(centre.x() - 3.2, centre.y() - 1.2, 6.4, 2.4), 1.2, 1.2);
    p.setBrush(QColor(20, 30, 60));
    p.drawEllipse(QPointF(centre.x() + lookX, centre.y()), 1.1, 1.0);
    return;
  }
  p.drawEllipse(centre, 3.2, 3.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 30, 60));
  p.drawEllipse(QPointF(centre.x() + lookX, centre.y() + 0.3), 1.6, 1.9);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(centre.x() + lookX + 0.6, centre.y() - 0.6), 0.6, 0.6);
}

void DrawSideView(QPainter& p, int frame, bool pushing) {
  double lower = pushing ? 1.0 : 0.0;
  double wheelSpin = SpinDegrees(frame, 90.0 / 8);
  DrawWheel(p, QPointF(10, 26.5), 4.6, wheelSpin);
  DrawWheel(p, QPointF(21, 26.5), 4.6, wheelSpin);

  QLinearGradient body(0, 8 + lower, 0, 25 + lower);
  body.setColorAt(0, kBodyLight);
  body.setColorAt(1, kBodyDark);
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(3.5, 12 + lower, 21, 12), 3.5, 3.5);
  p.drawRoundedRect(QRectF(6, 4.5 + lower, 12, 10), 3, 3);
  // The cab's window with the Thresher's eye looking ahead.
  QLinearGradient glass(0, 5 + lower, 0, 13 + lower);
  glass.setColorAt(0, QColor(150, 210, 255));
  glass.setColorAt(1, QColor(40, 80, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(glass);
  p.drawRoundedRect(QRectF(8, 6.5 + lower, 9, 7), 2, 2);
  DrawEye(p, QPointF(12.5, 10 + lower), 1.2, pushing);
  // Stripe and exhaust.
  p.setBrush(QColor(60, 40, 30));
  p.drawRect(QRectF(4.5, 18 + lower, 19, 1.6));
  p.setBrush(QColor(150, 150, 160));
  p.drawRect(QRectF(4, 8 + lower, 2, 5));

  double reelX = pushing ? 27.5 : 26.0;
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(QColor(120, 120, 130));
  p.drawRect(QRectF(22, 17.5 + lower, reelX - 22, 2));
  DrawReel(p, QPointF(reelX, 18.5 + lower), 5.2, SpinDegrees(frame, 90.0 / 8) * 2);
  if (pushing) {
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.drawLine(QPointF(0.5, 14), QPointF(2.5, 15));
    p.drawLine(QPointF(0.5, 18), QPointF(2.5, 18));
    p.drawLine(QPointF(0.5, 22), QPointF(2.5, 21));
  }
}

void DrawFrontView(QPainter& p, int frame) {
  double spin = SpinDegrees(frame, 90.0 / 8);
  p.setPen(QPen(QColor(20, 20, 24), 1.0));
  p.setBrush(QColor(46, 46, 54));
  p.drawRoundedRect(QRectF(5, 21, 5, 9), 2, 2);
  p.drawRoundedRect(QRectF(22, 21, 5, 9), 2, 2);
  QLinearGradient body(0, 6, 0, 26);
  body.setColorAt(0, kBodyLight);
  body.setColorAt(1, kBodyDark);
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(7, 12, 18, 13), 3.5, 3.5);
  p.drawRoundedRect(QRectF(10, 4, 12, 10), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 120, 190));
  p.drawRoundedRect(QRectF(11.5, 5.8, 9, 7), 2, 2);
  DrawEye(p, QPointF(16, 9.3), 0.0, false);
  // The reel seen end on: a drum across the front with its tines passing.
  p.setPen(QPen(QColor(90, 20, 16), 1.0));
  p.setBrush(QColor(228, 62, 44));
  p.drawRoundedRect(QRectF(4, 20, 24, 6), 2.5, 2.5);
  p.setPen(QPen(QColor(255, 220, 200), 1.0));
  for (int tine = 0; tine < 4; ++tine) {
    double x = 6 + std::fmod(tine * 5.5 + spin / 90.0 * 5.5, 22.0);
    p.drawLine(QPointF(x, 20.8), QPointF(x, 25.2));
  }
}

void DrawShield(QPainter& p, int frame) {
  QRadialGradient glow(QPointF(16, 16), 15.5);
  glow.setColorAt(0.80, QColor(80, 200, 255, 0));
  glow.setColorAt(0.93, QColor(120, 230, 255, 150));
  glow.setColorAt(1.0, QColor(200, 250, 255, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(16, 16), 15.5, 15.5);
  p.setBrush(Qt::white);
  for (int spark = 0; spark < 3; ++spark) {
    double a = (spark * 120 + (frame - 1) * 15) * kPi / 180;
    p.drawEllipse(QPointF(16 + 14.3 * std::cos(a), 16 + 14.3 * std::sin(a)), 1.3, 1.3);
  }
}

}  // namespace

QImage DrawPlayerTexture() {
  QImage sheet = NewSheet();
  for (int shielded = 0; shielded <= 1; ++shielded) {
    for (Pose pose : {Pose::Standing, Pose::Turning, Pose::Pushing}) {
      int row = static_cast<int>(pose) + 1 + 3 * shielded;
      for (int frame = 1; frame <= kFramesPerSide; ++frame) {
        FramePainter painter(sheet, frame, row);
        if (pose == Pose::Turning) DrawFrontView(*painter, frame);
        else DrawSideView(*painter, frame, pose == Pose::Pushing);
        if (shielded) DrawShield(*painter, frame);
      }
    }
  }
  return sheet;
}

}  // namespace brolt::content
