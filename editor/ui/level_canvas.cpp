#include "editor/ui/level_canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "common/numeric.h"
#include "editor/model/canvas_geometry.h"
#include "editor/model/minimap.h"
#include "editor/model/mouse_pointer.h"
#include "editor/model/scrolling.h"
#include "editor/ui/canvas_painting.h"
#include "editor/ui/mini_level.h"
#include "editor/ui/pointer_shape.h"
#include "editor/ui/view_scroll_bar.h"

namespace brolt::editor {

namespace {
const QColor kViewportColour(64, 64, 64);
constexpr int kScrollBarThickness = 11;
}  // namespace

LevelCanvas::LevelCanvas(Editor& editor, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      pictures_(pictures),
      scrX_(new ViewScrollBar(editor, editor.view.ScrX, Qt::Horizontal, this)),
      scrY_(new ViewScrollBar(editor, editor.view.ScrY, Qt::Vertical, this)),
      corner_(new QWidget(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  corner_->setAutoFillBackground(true);
}

void LevelCanvas::PicturesChanged() {
  pictures_.Clear();
  update();
}

QPoint LevelCanvas::CanvasOrigin() const {
  return QPoint(RoundToInt32(TileToPixel(editor_.view, editor_.view.ViewX)),
                RoundToInt32(TileToPixel(editor_.view, editor_.view.ViewY)));
}

void LevelCanvas::RedrawCell(int x, int y) {
  const int side = CellPixels(editor_.view);
  update(QRect(x * side + 1, y * side + 1, side - 1, side - 1).translated(-CanvasOrigin()));
}

void LevelCanvas::RedrawLevel() { update(); }
void LevelCanvas::RedrawSelection() { update(); }
void LevelCanvas::RedrawOverlays() { update(); }

void LevelCanvas::ViewMoved() {
  update();
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

void LevelCanvas::SetPointer(int pointer) {
  if (pointer == kDefaultPointer) {
    unsetCursor();
  } else {
    setCursor(PointerCursor(pointer));
  }
}

void LevelCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kViewportColour);
  const QPoint origin = CanvasOrigin();
  painter.translate(-origin);
  PaintCanvas(painter, editor_, pictures_, event->rect().translated(origin));
}

void LevelCanvas::resizeEvent(QResizeEvent*) {
  const int w = width();
  const int h = height();
  scrX_->setGeometry(0, h - kScrollBarThickness, w - kScrollBarThickness, kScrollBarThickness);
  scrY_->setGeometry(w - kScrollBarThickness, 0, kScrollBarThickness, h - kScrollBarThickness);
  corner_->setGeometry(w - kScrollBarThickness, h - kScrollBarThickness, kScrollBarThickness, kScrollBarThickness);
  editor_.view.ViewportWidth = w;
  editor_.view.ViewportHeight = h;
  RefreshViewControls(editor_);
}

}  // namespace brolt::editor
