#include "tools/content/levels/level_preview.h"

#include <QPainter>
#include <algorithm>
#include <map>

#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {

namespace {

bool IsPlainWall(int code) { return (code >= 10 && code <= 17) || code == 39; }
bool IsShapedWall(int code) { return code >= 40 && code <= 44; }
bool IsWall(int code) { return IsPlainWall(code) || IsShapedWall(code); }

// The level colour (1..4) that lights a tile, or 0 for white.
int LightColour(int code) {
  if (IsWall(code) || (code >= 34 && code <= 37)) return 1;
  if (code == 45) return 2;
  if (code == 21) return 3;
  if (code == 20 || code == 96) return 4;
  return 0;
}

// The piece (0..5) and angle of a plain wall from which of its neighbours are walls.
std::pair<int, int> PlainPiece(bool above, bool left, bool right, bool below) {
  int key = (above ? 8 : 0) | (left ? 4 : 0) | (right ? 2 : 0) | (below ? 1 : 0);
  static const std::map<int, std::pair<int, int>> pieces = {
      {15, {2, 0}}, {7, {1, 0}},  {13, {1, 90}}, {14, {1, 180}}, {11, {1, 270}}, {3, {0, 0}},
      {5, {0, 90}}, {12, {0, 180}}, {10, {0, 270}}, {9, {4, 0}},  {6, {4, 90}},  {2, {3, 0}},
      {1, {3, 90}}, {4, {3, 180}},  {8, {3, 270}}, {0, {5, 0}}};
  return pieces.at(key);
}

struct Frame {
  int texture = 0, column = 0, row = 0, angle = 0;
};

}  // namespace

QImage DrawLevelPreview(const LevelRecord& level, const std::vector<TileRow>& tiles,
                        const std::vector<GamePicture>& pictures) {
  auto at = [&](int column, int row) -> CellText {
    if (column < 0 || row < 0 || column >= kLevelColumns || row >= kLevelRows) return {};
    return level.Cell(column, row);
  };
  CellText fill = at(0, 0);
  int left = kLevelColumns, right = -1, top = kLevelRows, bottom = -1;
  for (int row = 0; row < kLevelRows; ++row) {
    for (int column = 0; column < kLevelColumns; ++column) {
      if (at(column, row) == fill) continue;
      left = std::min(left, column);
      right = std::max(right, column);
      top = std::min(top, row);
      bottom = std::max(bottom, row);
    }
  }
  left = std::max(0, left - 1), top = std::max(0, top - 1);
  right = std::min(kLevelColumns - 1, right + 1), bottom = std::min(kLevelRows - 1, bottom + 1);
  std::map<int, const QImage*> sheets;
  for (const GamePicture& picture : pictures) sheets[picture.textureId] = &picture.picture;
  std::map<int, const TileRow*> catalogue;
  for (const TileRow& tile : tiles) catalogue[tile.code] = &tile;

  QImage preview((right - left + 1) * kFrameSize, (bottom - top + 1) * kFrameSize, QImage::Format_RGB32);
  QPainter p(&preview);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  QImage backdrop = sheets.at(17)->scaled(3 * kFrameSize, 3 * kFrameSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  for (int y = 0; y < preview.height(); y += backdrop.height()) {
    for (int x = 0; x < preview.width(); x += backdrop.width()) p.drawImage(x, y, backdrop);
  }
  for (int row = top; row <= bottom; ++row) {
    for (int column = left; column <= right; ++column) {
      CellText cell = at(column, row);
      int code = cell.tileCode;
      int turned = cell.direction > 0 ? (cell.direction - 1) * 90 : -1;
      Frame frame;
      if (IsPlainWall(code)) {
        auto [piece, angle] = PlainPiece(IsWall(at(column, row - 1).tileCode), IsWall(at(column - 1, row).tileCode),
                                         IsWall(at(column + 1, row).tileCode), IsWall(at(column, row + 1).tileCode));
        static const int wallRows[] = {1, 2, 3, 4, 5, 8, 6, 7};
        frame = code == 39 ? Frame{2, piece + 1, 3, angle} : Frame{1, piece + 1, wallRows[code - 10], angle};
      } else if (IsShapedWall(code)) {
        int angle = turned >= 0 ? turned : (code == 44 ? 0 : (code - 40) * 90);
        bool directed = code != 44;
        // The neighbours a quarter turn clockwise (F) and anticlockwise (S) from the facing.
        static const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
        int facing = angle / 90 % 4;
        int f = (facing + 1) % 4, s = (facing + 3) % 4;
        bool wallF = IsWall(at(column + dx[f], row + dy[f]).tileCode);
        bool wallS = IsWall(at(column + dx[s], row + dy[s]).tileCode);
        int piece = wallF && wallS ? 0 : (wallF ? 1 : (wallS ? 2 : 3));
        frame = {2, (directed ? 1 : 5) + piece, 2, angle};
      } else if (code >= 30 && code <= 37) {
        int base = code <= 33 ? 30 : 34;
        frame = {code <= 33 ? 9 : 2, 1, code <= 33 ? 1 : 8, turned >= 0 ? turned : (code - base) * 90};
      } else if (code == 9) {
        frame = {9, 1, 7, 0};  // exits start closed
      } else if (catalogue.count(code) && catalogue[code]->picture.kind == TilePicture::Kind::Frame) {
        const TilePicture& picture = catalogue[code]->picture;
        frame = {picture.texture, picture.column, picture.row, std::max(turned, 0)};
      } else {
        continue;
      }
      int colour = LightColour(code);
      RgbColour tint = colour ? level.colours[static_cast<std::size_t>(colour - 1)] : RgbColour{255, 255, 255};
      QImage image = SheetFrame(*sheets.at(frame.texture), frame.column, frame.row,
                                QColor(tint.red, tint.green, tint.blue));
      QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
          if (qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0) line[x] = 0;
        }
      }
      p.save();
      p.translate((column - left) * kFrameSize + kFrameSize / 2.0, (row - top) * kFrameSize + kFrameSize / 2.0);
      p.rotate(frame.angle);
      p.drawImage(QPointF(-kFrameSize / 2.0, -kFrameSize / 2.0), keyed);
      p.restore();
    }
  }
  p.end();
  return preview;
}

}  // namespace brolt::content
