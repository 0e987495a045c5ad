// Textures 11..14: the title picture, made at the screen's 640 x 480 and cut into four quarters. A
// cave floor of round walls with rocks and unids, the Thresher, a crawler and a gnat, all enlarged
// from the game's own sheets, under the name in large letters.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

constexpr int kWidth = 640, kHeight = 480;

void Place(QPainter& p, const QImage& frame, QPointF centre, double size, double angle = 0) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  p.drawImage(QRectF(-size / 2, -size / 2, size, size), frame);
  p.restore();
}

void DrawLogo(QPainter& p) {
  QFont font = DejaVuSansBold(150);
  QPainterPath word;
  word.addText(0, 0, font, "BROLT");
  QRectF ink = word.boundingRect();
  word.translate(kWidth / 2.0 - ink.center().x(), 175 - ink.bottom());
  for (int glow = 5; glow >= 1; --glow) {
    QPen halo(QColor(255, 140, 40, 26), glow * 7.0);
    halo.setJoinStyle(Qt::RoundJoin);
    p.strokePath(word, halo);
  }
  QPen rim(QColor(70, 30, 10), 9);
  rim.setJoinStyle(Qt::RoundJoin);
  p.strokePath(word, rim);
  QLinearGradient fill(0, 40, 0, 175);
  fill.setColorAt(0, QColor(255, 245, 170));
  fill.setColorAt(0.45, QColor(255, 200, 70));
  fill.setColorAt(1, QColor(220, 90, 25));
  p.fillPath(word, fill);
  QPen shine(QColor(255, 255, 230, 150), 1.5);
  p.strokePath(word.translated(0, -1.5), shine);
}

}  // namespace

QImage DrawTitlePicture(const DrawnSheets& sheets) {
  QImage title(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&title);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(34, 26, 64));
  sky.setColorAt(0.6, QColor(18, 20, 44));
  sky.setColorAt(1, QColor(10, 10, 22));
  p.fillRect(title.rect(), sky);
  QRadialGradient light(QPointF(kWidth / 2.0, 150), 330);
  light.setColorAt(0, QColor(120, 90, 160, 110));
  light.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(title.rect(), light);

  const QImage& tiles = sheets.at(1);
  const QColor wallTint(140, 150, 210);
  // The cave floor: a row of round wall straight pieces turned to run left to right, ends rounded.
  for (int i = 0; i < 10; ++i) {
    int piece = i == 0 || i == 9 ? 4 : 5;
    double angle = i == 0 ? 0 : (i == 9 ? 180 : 90);
    Place(p, SheetFrame(tiles, piece, 2, wallTint), QPointF(32 + i * 64, 448), 64, angle);
  }
  // A ledge on the right: an end, a straight piece and an end.
  Place(p, SheetFrame(tiles, 4, 2, wallTint), QPointF(480, 384), 64, 0);
  Place(p, SheetFrame(tiles, 5, 2, wallTint), QPointF(544, 384), 64, 90);
  Place(p, SheetFrame(tiles, 4, 2, wallTint), QPointF(608, 384), 64, 180);

  const QColor rockTint(200, 180, 160);
  Place(p, SheetFrame(sheets.at(10), 1, 1, rockTint), QPointF(90, 384), 64, 20);
  Place(p, SheetFrame(sheets.at(10), 3, 2, rockTint), QPointF(420, 384), 64, 200);
  Place(p, SheetFrame(sheets.at(10), 5, 5, rockTint), QPointF(596, 322), 60, 110);
  const QColor gemTints[] = {QColor(120, 255, 255), QColor(255, 120, 230), QColor(255, 240, 120)};
  Place(p, SheetFrame(sheets.at(7), 7, 1, gemTints[0]), QPointF(330, 395), 52);
  Place(p, SheetFrame(sheets.at(7), 2, 3, gemTints[1]), QPointF(160, 392), 48, -10);
  Place(p, SheetFrame(sheets.at(7), 6, 5, gemTints[2]), QPointF(60, 230), 44, 12);

  Place(p, SheetFrame(sheets.at(3), 1, 1), QPointF(240, 368), 112);
  Place(p, SheetFrame(sheets.at(4), 3, 1), QPointF(520, 318), 72);
  Place(p, SheetFrame(sheets.at(4), 2, 6), QPointF(110, 250), 72, 60);
  Place(p, SheetFrame(sheets.at(15), 1, 3), QPointF(380, 250), 44, 15);

  DrawLogo(p);
  p.end();
  return title;
}

}  // namespace brolt::content
