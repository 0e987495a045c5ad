#include "tools/content/pictures/editor_tileset.h"

#include <QPainter>

#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {

namespace {

const QImage& SheetOf(const std::vector<GamePicture>& pictures, int textureId) {
  for (const GamePicture& picture : pictures) {
    if (picture.textureId == textureId) return picture.picture;
  }
  throw std::runtime_error("no texture " + std::to_string(textureId));
}

// A tile the game never draws (an invisible wall): a dark square with a hatch, so the designer
// can see where it lies.
void DrawHatch(QPainter& p) {
  p.fillRect(QRectF(0, 0, kFrameSize, kFrameSize), QColor(48, 48, 56));
  p.setPen(QPen(QColor(120, 120, 136), 1.5));
  for (int i = -kFrameSize; i < kFrameSize; i += 8) p.drawLine(QPointF(i, kFrameSize), QPointF(i + kFrameSize, 0));
  p.setPen(QPen(QColor(160, 160, 176), 1));
  p.drawRect(QRectF(0.5, 0.5, kFrameSize - 1, kFrameSize - 1));
}

}  // namespace

QImage DrawEditorTileset(const std::vector<TileRow>& tiles, const std::vector<GamePicture>& pictures) {
  QImage tileset(kSheetSize, kSheetSize, QImage::Format_RGB888);
  tileset.fill(Qt::black);
  QPainter painter(&tileset);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const TileRow& tile : tiles) {
    painter.save();
    painter.translate((tile.x - 1) * kFrameSize, (tile.y - 1) * kFrameSize);
    painter.setClipRect(0, 0, kFrameSize, kFrameSize);
    if (tile.picture.kind == TilePicture::Kind::Hatch) {
      DrawHatch(painter);
    } else if (tile.picture.kind == TilePicture::Kind::Frame) {
      const TilePicture& source = tile.picture;
      QImage frame = SheetFrame(SheetOf(pictures, source.texture), source.column, source.row, source.tint);
      painter.translate(kFrameSize / 2.0, kFrameSize / 2.0);
      painter.rotate(source.angle);
      painter.drawImage(QPointF(-kFrameSize / 2.0, -kFrameSize / 2.0), frame);
    }
    painter.restore();
  }
  painter.end();
  return tileset;
}

}  // namespace brolt::content
