#include "editor/ui/canvas/canvas_painting.h"

#include <QImage>
#include <QPen>
#include <QPoint>
#include <algorithm>
#include <vector>

#include "editor/model/canvas/canvas_geometry.h"
#include "editor/ui/qt/qt_colors.h"

namespace brolt::editor {

namespace {

const QColor kMarkerColour(255, 255, 255);
const QColor kOutlineColour(255, 255, 255);
constexpr double kStartMarkerOpacity = 0.6;

// The cells that meet an area of the canvas, clamped to the level.
struct CellRange {
  int left, top, right, bottom;
  CellRange(const QRect& area, int side)
      : left(area.left() / side),
        top(area.top() / side),
        right(std::min(kLevelSize - 1, area.right() / side)),
        bottom(std::min(kLevelSize - 1, area.bottom() / side)) {}
};

// Grid lines every `side` pixels from 0 to the level's extent, with a light dot at each crossing.
// Every horizontal line is the same row of pixels, dots included, so it is made once and copied.
void PaintGrid(QPainter& painter, const Editor& editor, const QRect& area, int side) {
  const int firstLine = (area.top() + side - 1) / side;
  const int lastLine = std::min(kLevelSize, area.bottom() / side);
  const int firstColumn = (area.left() + side - 1) / side;
  const int lastColumn = std::min(kLevelSize, area.right() / side);
  const QColor dark = ColorFromText(editor.prefs.GridDark);
  for (int k = firstColumn; k <= lastColumn; ++k) painter.fillRect(k * side, area.top(), 1, area.height(), dark);
  QImage line(area.width(), 1, QImage::Format_RGB32);
  line.fill(dark);
  const QRgb light = ColorFromText(editor.prefs.GridLight).rgb();
  for (int k = firstColumn; k <= lastColumn; ++k) line.setPixel(k * side - area.left(), 0, light);
  for (int k = firstLine; k <= lastLine; ++k) painter.drawImage(area.left(), k * side, line);
}

void PaintCells(QPainter& painter, const Editor& editor, ScaledTilePictures& pictures, const CellRange& cells,
                int side) {
  for (int x = cells.left; x <= cells.right; ++x) {
    for (int y = cells.top; y <= cells.bottom; ++y) {
      const MapCell& cell = editor.level.Cell(x, y);
      if (cell.TileCode == 0) continue;
      painter.drawPixmap(x * side + 1, y * side + 1, pictures.Picture(editor.tiles[cell.TileCode], cell.Direction, side - 1));
    }
  }
}

void PaintStartMarker(QPainter& painter, const Editor& editor, ScaledTilePictures& pictures, int side) {
  const LevelState& level = editor.level;
  if (!level.StartMarkerPlaced || !IsLevelCell(level.StartMarkerX, level.StartMarkerY)) return;
  painter.setOpacity(kStartMarkerOpacity);
  painter.drawPixmap(level.StartMarkerX * side + 1, level.StartMarkerY * side + 1,
                     pictures.Picture(editor.tiles[kThresherTile], 0, side - 1));
  painter.setOpacity(1.0);
}

// Each marker outlines its cell's inner square, inside the grid lines.
void PaintMarkers(QPainter& painter, const Editor& editor, const CellRange& cells, int side) {
  std::vector<QRect> markers;
  for (int x = cells.left; x <= cells.right; ++x) {
    for (int y = cells.top; y <= cells.bottom; ++y) {
      if (editor.preview.Marker(x, y))
        markers.emplace_back(x * side + 1, y * side + 1, side - 2, side - 2);
    }
  }
  if (markers.empty()) return;
  painter.setPen(QPen(kMarkerColour, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRects(markers.data(), static_cast<int>(markers.size()));
}

// A box of whole cells, drawn on the grid lines around them.
void PaintOutline(QPainter& painter, const CellBox& box, int side) {
  if (box.Visible)
    painter.drawRect(box.Left * side, box.Top * side, (box.Right - box.Left + 1) * side, (box.Bottom - box.Top + 1) * side);
}

// One pixel inside the grid lines of the Thresher's cell, in the pulse's colour.
void PaintPlayerMarker(QPainter& painter, const CanvasPreview& preview, int side) {
  const CellBox& marker = preview.PlayerMarker;
  if (!marker.Visible || side < 3) return;
  painter.setPen(QPen(ColorFromRgb(preview.PlayerMarkerColour), 0));
  painter.drawRect(marker.Left * side + 1, marker.Top * side + 1, side - 2, side - 2);
}

// The guide bands run across the whole level and two pixels past its edges.
void PaintGuideBands(QPainter& painter, const Editor& editor, int side) {
  const CanvasPreview& preview = editor.preview;
  const int extent = editor.view.LevelExtent;
  painter.setPen(QPen(ColorFromText(editor.prefs.BorderColor), 0));
  if (preview.GuideRow.Visible) {
    painter.drawRect(-2, preview.GuideRow.Top * side, extent + 5, (preview.GuideRow.Bottom - preview.GuideRow.Top + 1) * side);
  }
  if (preview.GuideColumn.Visible) {
    painter.drawRect(preview.GuideColumn.Left * side, -2, (preview.GuideColumn.Right - preview.GuideColumn.Left + 1) * side,
                     extent + 5);
  }
}

void PaintOverlays(QPainter& painter, const Editor& editor, int side) {
  const CanvasPreview& preview = editor.preview;
  painter.setBrush(Qt::NoBrush);
  PaintPlayerMarker(painter, preview, side);
  PaintGuideBands(painter, editor, side);
  painter.setPen(QPen(kOutlineColour, 0));
  PaintOutline(painter, preview.PickOutline, side);
  PaintOutline(painter, preview.SquareOutline, side);
  PaintOutline(painter, preview.SquareInner, side);
  PaintOutline(painter, preview.BrushOutline, side);
  painter.setPen(QPen(kOutlineColour, 0, Qt::DashLine));
  PaintOutline(painter, preview.Marquee, side);
}

}  // namespace

void PaintCanvas(QPainter& painter, const Editor& editor, ScaledTilePictures& pictures, const QRect& area) {
  const ViewState& view = editor.view;
  const QRect visible = area & QRect(0, 0, view.LevelExtent + 1, view.LevelExtent + 1);
  if (visible.isEmpty()) return;
  const int side = std::max(1, CellPixels(view));
  painter.save();
  painter.setClipRect(visible, Qt::IntersectClip);
  painter.fillRect(visible, Qt::black);
  if (view.GridShown) PaintGrid(painter, editor, visible, side);
  const CellRange cells(visible, side);
  if (side > 1) {
    PaintCells(painter, editor, pictures, cells, side);
    PaintStartMarker(painter, editor, pictures, side);
    PaintMarkers(painter, editor, cells, side);
  }
  PaintOverlays(painter, editor, side);
  painter.restore();
}

}  // namespace brolt::editor
