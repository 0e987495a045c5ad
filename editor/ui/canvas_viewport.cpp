#include "editor/ui/canvas_viewport.h"

#include <QPaintEvent>
#include <QPainter>

#include "common/numeric.h"
#include "editor/model/canvas_geometry.h"
#include "editor/ui/canvas_painting.h"

namespace brolt::editor {

namespace {
const QColor kViewportColour(64, 64, 64);
}  // namespace

CanvasViewport::CanvasViewport(const Editor& editor, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent), editor_(editor), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint CanvasViewport::CanvasOrigin() const {
  return QPoint(RoundToInt32(TileToPixel(editor_.view, editor_.view.ViewX)),
                RoundToInt32(TileToPixel(editor_.view, editor_.view.ViewY)));
}

void CanvasViewport::UpdateCanvasRect(const QRect& area) { update(area.translated(-CanvasOrigin())); }

void CanvasViewport::PicturesChanged() {
  pictures_.Clear();
  update();
}

void CanvasViewport::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kViewportColour);
  const QPoint origin = CanvasOrigin();
  painter.translate(-origin);
  PaintCanvas(painter, editor_, pictures_, event->rect().translated(origin));
}

}  // namespace brolt::editor
