#include "editor/ui/qt/framed_panel.h"

#include <QPainter>
#include <QPen>

namespace brolt::editor {

void FramedPanel::SetFrame(int id, const QRect& area) {
  frames_[id].area = area;
  update();
}

void FramedPanel::SetFrameColour(int id, const QColor& colour) {
  frames_[id].colour = colour;
  update();
}

QRect FramedPanel::Frame(int id) const {
  const auto found = frames_.find(id);
  return found == frames_.end() ? QRect() : found->second.area;
}

void FramedPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setBrush(Qt::NoBrush);
  for (const auto& [id, frame] : frames_) {
    if (frame.area.isEmpty()) continue;
    painter.setPen(QPen(frame.colour, 0));
    painter.drawRect(frame.area.adjusted(0, 0, -1, -1));
  }
}

}  // namespace brolt::editor
