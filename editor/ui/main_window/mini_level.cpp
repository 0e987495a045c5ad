#include "editor/ui/main_window/mini_level.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QToolTip>

#include "editor/model/canvas/minimap.h"
#include "editor/model/window/canvas_mouse.h"
#include "editor/model/window/minimap_mouse.h"
#include "editor/ui/canvas/pointer_shape.h"
#include "editor/ui/qt/mouse_buttons.h"
#include "editor/ui/qt/qt_colors.h"

namespace brolt::editor {

namespace {
const QColor kStartMarkerColour(255, 255, 255);
}  // namespace

MiniLevel::MiniLevel(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setFixedSize(kMiniLevelPixels, kMiniLevelPixels);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void MiniLevel::mousePressEvent(QMouseEvent* event) {
  MiniLevelMouseDown(editor_, ButtonNumber(event->button()), static_cast<float>(event->position().x()),
                     static_cast<float>(event->position().y()));
  ShowPointer();
}

void MiniLevel::mouseMoveEvent(QMouseEvent* event) {
  MiniLevelMouseMove(editor_, static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
  ShowPointer();
}

void MiniLevel::mouseReleaseEvent(QMouseEvent* event) {
  MiniLevelMouseUp(editor_, ButtonNumber(event->button()), static_cast<float>(event->position().x()),
                   static_cast<float>(event->position().y()));
  ShowPointer();
}

bool MiniLevel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  if (editor_.level.StartMarkerOn(help->pos().x() / kMiniCellPixels, help->pos().y() / kMiniCellPixels)) {
    QToolTip::showText(help->globalPos(), kStartMarkerTip, this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

void MiniLevel::ShowPointer() { setCursor(PointerCursor(editor_.preview.MinimapPointer)); }

void MiniLevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const ViewState& view = editor_.view;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const std::int32_t dot = view.MiniLevel[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
      if (dot != 0) painter.fillRect(kMiniCellPixels * x + 1, kMiniCellPixels * y + 1, 1, 1, ColorFromRgb(dot));
    }
  }
  const LevelState& level = editor_.level;
  if (level.StartMarkerPlaced) {
    painter.fillRect(kMiniCellPixels * level.StartMarkerX, kMiniCellPixels * level.StartMarkerY, kMiniCellPixels,
                     kMiniCellPixels, kStartMarkerColour);
  }
  const CanvasShape& box = view.shpMiniSelect;
  if (box.Width > 0 && box.Height > 0) {
    painter.setPen(QPen(ColorFromText(editor_.prefs.GridLight), 0));
    painter.drawRect(static_cast<int>(box.Left), static_cast<int>(box.Top), box.Width - 1, box.Height - 1);
  }
}

}  // namespace brolt::editor
