#include "editor/ui/canvas/level_canvas.h"

#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/pointer_shape.h"
#include "editor/ui/main_window/mini_level.h"
#include "editor/ui/main_window/view_scroll_bar.h"

namespace brolt::editor {

LevelCanvas::LevelCanvas(Editor& editor, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      viewport_(new CanvasViewport(editor, pictures, this)),
      scrX_(new ViewScrollBar(editor, editor.view.ScrX, Qt::Horizontal, this)),
      scrY_(new ViewScrollBar(editor, editor.view.ScrY, Qt::Vertical, this)),
      corner_(new QWidget(this)) {
  corner_->setAutoFillBackground(true);
}

void LevelCanvas::PicturesChanged() { viewport_->PicturesChanged(); }

void LevelCanvas::SetCornerColour(const QColor& colour) {
  QPalette corner = corner_->palette();
  corner.setColor(QPalette::Window, colour);
  corner_->setPalette(corner);
}

void LevelCanvas::RedrawCell(int x, int y) {
  const int side = CellPixels(editor_.view);
  viewport_->UpdateCanvasRect(QRect(x * side + 1, y * side + 1, side - 1, side - 1));
  // Every changed cell also changes its dot on the minimap.
  if (IsLevelCell(x, y)) DrawMiniTile(editor_, x, y, editor_.tiles[editor_.level.Cell(x, y).TileCode].Mini, 0);
}

void LevelCanvas::RedrawLevel() { viewport_->update(); }
void LevelCanvas::RedrawSelection() { viewport_->update(); }
void LevelCanvas::RedrawOverlays() {
  viewport_->update();
  PasteTipChanged();
}

void LevelCanvas::PasteTipChanged() { viewport_->ShowPasteTip(); }

void LevelCanvas::ViewMoved() {
  RedrawOverlays();
  UpdateMiniLevel(QRect());
}

void LevelCanvas::ScrollBarsChanged() {
  scrX_->ShowState();
  scrY_->ShowState();
}

void LevelCanvas::RedrawMiniLevel() { UpdateMiniLevel(QRect()); }

void LevelCanvas::RedrawMiniDot(int x, int y) {
  UpdateMiniLevel(QRect(kMiniCellPixels * x + 1, kMiniCellPixels * y + 1, 1, 1));
}

void LevelCanvas::UpdateMiniLevel(const QRect& area) {
  if (miniLevel_ == nullptr) return;
  if (area.isNull()) {
    miniLevel_->update();
  } else {
    miniLevel_->update(area);
  }
}

void LevelCanvas::SetPointer(int pointer) { ApplyPointer(*viewport_, pointer); }

void LevelCanvas::resizeEvent(QResizeEvent*) {
  const int w = width();
  const int h = height();
  viewport_->setGeometry(0, 0, w - kScrollBarThickness, h - kScrollBarThickness);
  scrX_->setGeometry(0, h - kScrollBarThickness, w - kScrollBarThickness, kScrollBarThickness);
  scrY_->setGeometry(w - kScrollBarThickness, 0, kScrollBarThickness, h - kScrollBarThickness);
  corner_->setGeometry(w - kScrollBarThickness, h - kScrollBarThickness, kScrollBarThickness, kScrollBarThickness);
  editor_.view.ViewportWidth = w;
  editor_.view.ViewportHeight = h;
  RefreshViewControls(editor_);
}

}  // namespace brolt::editor
