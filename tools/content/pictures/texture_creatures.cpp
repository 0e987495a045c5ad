// Texture 4: the creatures, one row each, eight pictures of their step. Rows 1..3 the crawlers
// (Araneae A, B, C), seen from the front with the wall they hold to below them, so that they read the
// same walking either way; rows 4..7 the flyers (Gnat A, B, C and the gold unid gnat), seen from
// above heading up. The game lights creatures dimly, so they are drawn in light, bright colours.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

QColor Shade(const QColor& c, double f) {
  return QColor::fromRgbF(static_cast<float>(Clamp01(c.redF() * f)), static_cast<float>(Clamp01(c.greenF() * f)),
                          static_cast<float>(Clamp01(c.blueF() * f)));
}

void DrawCrawler(QPainter& p, int frame, const QColor& colour) {
  double phase = (frame - 1) * 2 * kPi / kFramesPerSide;
  QPen legPen(Shade(colour, 0.6), 1.3);
  legPen.setCapStyle(Qt::RoundCap);
  legPen.setJoinStyle(Qt::RoundJoin);
  for (int side = -1; side <= 1; side += 2) {
    for (int leg = 0; leg < 4; ++leg) {
      double lift = std::max(0.0, std::sin(phase + leg * kPi / 2 + (side > 0 ? kPi : 0.0)));
      double hipX = 16 + side * (3.0 + leg * 0.8), hipY = 12.5 + leg * 1.6;
      double footX = 16 + side * (6.5 + leg * 2.6), footY = 30.5 - 2.5 * lift;
      double kneeX = 16 + side * (7.5 + leg * 2.0), kneeY = 5.0 + leg * 2.2 - 1.5 * lift;
      p.setPen(legPen);
      p.drawPolyline(QPolygonF{QPointF(hipX, hipY), QPointF(kneeX, kneeY), QPointF(footX, footY)});
    }
  }
  QRadialGradient body(QPointF(14.5, 10), 10);
  body.setColorAt(0, Shade(colour, 1.35));
  body.setColorAt(1, Shade(colour, 0.75));
  p.setPen(QPen(Shade(colour, 0.4), 0.9));
  p.setBrush(body);
  p.drawEllipse(QPointF(16, 12.5), 7.5, 6.5);
  QRadialGradient head(QPointF(15, 18), 5.5);
  head.setColorAt(0, Shade(colour, 1.25));
  head.setColorAt(1, Shade(colour, 0.7));
  p.setBrush(head);
  p.drawEllipse(QPointF(16, 19.5), 5.0, 4.3);
  p.setPen(Qt::NoPen);
  for (double ex : {-2.2, 2.2}) {
    p.setBrush(QColor(255, 255, 240));
    p.drawEllipse(QPointF(16 + ex, 18.8), 1.7, 1.7);
    p.setBrush(QColor(30, 10, 10));
    p.drawEllipse(QPointF(16 + ex, 19.1), 0.9, 0.9);
  }
  p.setBrush(QColor(255, 255, 240));
  p.drawEllipse(QPointF(16, 21.6), 0.9, 0.9);
  p.setPen(QPen(Shade(colour, 1.5), 1.0));
  p.drawLine(QPointF(12.5, 10.5), QPointF(19.5, 10.5));
}

void DrawGnat(QPainter& p, int frame, const QColor& colour, bool carriesUnid, bool fierce) {
  double phase = (frame - 1) * 2 * kPi / kFramesPerSide;
  double flap = std::sin(phase);
  QColor wing(215, 240, 255);
  p.setPen(QPen(QColor(120, 170, 210), 0.8));
  p.setBrush(wing);
  for (int side = -1; side <= 1; side += 2) {
    for (int pair = 0; pair < 2; ++pair) {
      p.save();
      p.translate(16 + side * 2.0, 14.5 + pair * 3.5);
      p.rotate(side * (pair == 0 ? 35 + 28 * flap : 110 - 22 * flap));
      p.drawEllipse(QPointF(0, -6.5 + pair * 1.2), 3.0, 6.5 - pair * 1.2);
      p.restore();
    }
  }
  if (carriesUnid) {
    QPolygonF gem{QPointF(16, 21), QPointF(21, 25.5), QPointF(16, 31), QPointF(11, 25.5)};
    p.setPen(QPen(QColor(80, 140, 170), 0.8));
    p.setBrush(QColor(200, 250, 255));
    p.drawPolygon(gem);
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF{QPointF(16, 21), QPointF(21, 25.5), QPointF(16, 25.5)});
  }
  QLinearGradient body(10, 0, 22, 0);
  body.setColorAt(0, Shade(colour, 0.7));
  body.setColorAt(0.45, Shade(colour, 1.3));
  body.setColorAt(1, Shade(colour, 0.7));
  p.setPen(QPen(Shade(colour, 0.4), 0.9));
  p.setBrush(body);
  p.drawEllipse(QPointF(16, 18), 4.2, 7.0);
  p.setPen(QPen(Shade(colour, 0.45), 1.0));
  for (double y : {16.0, 19.0, 22.0}) p.drawLine(QPointF(12.4, y), QPointF(19.6, y));
  if (fierce) {
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(colour, 0.5));
    p.drawPolygon(QPolygonF{QPointF(14.8, 24), QPointF(17.2, 24), QPointF(16, 28.5)});
  }
  p.setPen(QPen(Shade(colour, 0.4), 0.9));
  p.setBrush(Shade(colour, 1.1));
  p.drawEllipse(QPointF(16, 9.5), 3.8, 3.4);
  p.setPen(Qt::NoPen);
  for (int side = -1; side <= 1; side += 2) {
    p.setBrush(fierce ? QColor(255, 60, 40) : QColor(255, 255, 255));
    p.drawEllipse(QPointF(16 + side * 2.2, 8.3), 1.9, 1.9);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(16 + side * 2.4, 7.9), 0.9, 0.9);
  }
  p.setPen(QPen(Shade(colour, 0.5), 0.8));
  p.drawLine(QPointF(14.8, 6.6), QPointF(13, 3.2));
  p.drawLine(QPointF(17.2, 6.6), QPointF(19, 3.2));
}

}  // namespace

QImage DrawSpiderTexture() {
  QImage sheet = NewSheet();
  const QColor crawlers[] = {QColor(255, 110, 90), QColor(120, 255, 120), QColor(215, 130, 255)};
  for (int row = 1; row <= 3; ++row) {
    for (int frame = 1; frame <= kFramesPerSide; ++frame) {
      FramePainter painter(sheet, frame, row);
      DrawCrawler(*painter, frame, crawlers[row - 1]);
    }
  }
  struct Flyer {
    QColor colour;
    bool carriesUnid, fierce;
  };
  const Flyer flyers[] = {{QColor(255, 160, 60), false, false},
                          {QColor(110, 200, 255), false, false},
                          {QColor(255, 90, 140), false, true},
                          {QColor(255, 215, 60), true, false}};
  for (int row = 4; row <= 7; ++row) {
    for (int frame = 1; frame <= kFramesPerSide; ++frame) {
      FramePainter painter(sheet, frame, row);
      const Flyer& flyer = flyers[row - 4];
      DrawGnat(*painter, frame, flyer.colour, flyer.carriesUnid, flyer.fierce);
    }
  }
  return sheet;
}

}  // namespace brolt::content
