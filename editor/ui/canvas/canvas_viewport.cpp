#include "editor/ui/canvas/canvas_viewport.h"

#include <QPaintEvent>
#include <QPainter>

#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/window/canvas_mouse.h"
#include "editor/ui/canvas/canvas_painting.h"

namespace brolt::editor {

namespace {
const QColor kViewportColour(64, 64, 64);
const QPoint kTipOffset(16, 4);  // right of the pointer's arrow
const QColor kTipBackground(255, 255, 225);
}  // namespace

CanvasViewport::CanvasViewport(const Editor& editor, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent), editor_(editor), pictures_(pictures), tipLabel_(new QLabel(kPasteTip, this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  tipLabel_->setObjectName("tipLabel");
  tipLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  tipLabel_->setAutoFillBackground(true);
  QPalette tip = tipLabel_->palette();
  tip.setColor(QPalette::Window, kTipBackground);
  tip.setColor(QPalette::WindowText, Qt::black);
  tipLabel_->setPalette(tip);
  tipLabel_->setFrameShape(QFrame::Box);
  tipLabel_->adjustSize();
  tipLabel_->hide();
}

void CanvasViewport::ShowPasteTip() {
  tipLabel_->setVisible(editor_.preview.PasteTipShown);
  if (!editor_.preview.PasteTipShown) return;
  const QPoint pointer = QPoint(editor_.input.MouseX, editor_.input.MouseY) - CanvasOrigin();
  tipLabel_->move(pointer + kTipOffset);
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
