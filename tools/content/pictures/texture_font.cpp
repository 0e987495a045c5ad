// Texture 6: the bitmap font, 62 glyphs on an 8 x 8 grid in the game's order, rendered from
// DejaVu Sans Bold: white letters with a dark rim, all on one baseline. The game draws each glyph
// half again as wide as the step between letters, so the ink keeps to the middle two thirds.
#include <QFontMetricsF>

#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

// Row by row, left to right; the last two cells hold no glyph.
constexpr const char* kGlyphOrder = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789()!-?.,':%$@#&*=+<>^[]{}/\\";

}  // namespace

QImage DrawTextTexture() {
  QImage sheet = NewSheet();
  QFont font = DejaVuSansBold(25);
  QFontMetricsF metrics(font);
  constexpr double kMaxInkWidth = 21.0;
  double baseline = 16.0 + metrics.capHeight() / 2.0;
  std::string glyphs = kGlyphOrder;
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    int column = static_cast<int>(i) % kFramesPerSide + 1, row = static_cast<int>(i) / kFramesPerSide + 1;
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(glyphs[i])));
    QRectF ink = path.boundingRect();
    double squeeze = ink.width() > kMaxInkWidth ? kMaxInkWidth / ink.width() : 1.0;
    QTransform place;
    place.translate(16.0 - ink.center().x() * squeeze, baseline);
    place.scale(squeeze, 1.0);
    QPainterPath glyph = place.map(path);
    FramePainter painter(sheet, column, row);
    QPen rim(QColor(28, 28, 34), 2.6);
    rim.setJoinStyle(Qt::RoundJoin);
    painter->strokePath(glyph, rim);
    painter->fillPath(glyph, QColor(255, 255, 255));
  }
  return sheet;
}

}  // namespace brolt::content
