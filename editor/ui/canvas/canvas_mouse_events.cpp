#include "editor/ui/canvas/canvas_mouse_events.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "editor/model/window/canvas_mouse.h"
#include "editor/model/window/hide_selector.h"
#include "editor/ui/canvas/canvas_viewport.h"

namespace brolt::editor {

namespace {

int ButtonCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code += kLeftButton;
  if (buttons & Qt::RightButton) code += kRightButton;
  if (buttons & Qt::MiddleButton) code += 4;
  return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
  int code = 0;
  if (modifiers & Qt::ShiftModifier) code += 1;
  if (modifiers & Qt::ControlModifier) code += 2;
  if (modifiers & Qt::AltModifier) code += 4;
  return code;
}

}  // namespace

CanvasMouseEvents::CanvasMouseEvents(Editor& editor, CanvasViewport& viewport, QObject* parent)
    : QObject(parent), editor_(editor), viewport_(viewport) {}

bool CanvasMouseEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &viewport_) return false;
  if (event->type() == QEvent::Leave) {
    if (!editor_.input.MouseIsDown) HideSelector(editor_);
    return false;
  }
  const QEvent::Type type = event->type();
  if (type == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF canvas = help->pos() + QPointF(viewport_.CanvasOrigin());
    if (IsOverStartMarker(editor_, static_cast<float>(canvas.x()), static_cast<float>(canvas.y()))) {
      QToolTip::showText(help->globalPos(), kStartMarkerTip, &viewport_);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPointF canvas = mouse->position() + QPointF(viewport_.CanvasOrigin());
  const auto x = static_cast<float>(canvas.x());
  const auto y = static_cast<float>(canvas.y());
  const int shift = ShiftCode(mouse->modifiers());
  const bool overLevel = x >= 0 && y >= 0 && x < editor_.view.LevelExtent && y < editor_.view.LevelExtent;
  // The preview start marker is a control of its own lying over its cell: a press, drag or double
  // click that starts on it is the marker's and never reaches the level, whose tool would otherwise
  // paint or fill under it. A drag that began elsewhere passes over it to the level.
  const bool overMarker = overLevel && IsOverStartMarker(editor_, x, y);
  switch (type) {
    case QEvent::MouseButtonPress:
      if (overMarker && !editor_.input.MouseIsDown) {
        markerHeld_ = true;
      } else if (overLevel) {
        Level_MouseDown(editor_, ButtonCode(mouse->button()), shift, x, y);
      }
      break;
    case QEvent::MouseMove:
      if (markerHeld_ || (overMarker && !editor_.input.MouseIsDown)) {
        if (overMarker) preStart_MouseMove(editor_);
      } else if (overLevel || editor_.input.MouseIsDown) {
        Level_MouseMove(editor_, ButtonCode(mouse->buttons()), shift, x, y);
      } else {
        LevelBack_MouseMove(editor_);
      }
      break;
    case QEvent::MouseButtonRelease:
      if (markerHeld_) {
        markerHeld_ = mouse->buttons() != Qt::NoButton;
      } else if (editor_.input.MouseIsDown) {
        Level_MouseUp(editor_, ButtonCode(mouse->button()), shift, x, y);
      }
      break;
    default:
      if (overMarker && !editor_.input.MouseIsDown) {
        // The double click's second press: the marker goes, and its release is the marker's too.
        markerHeld_ = true;
        preStart_DblClick(editor_);
      } else if (overLevel) {
        Level_DblClick(editor_);
      }
      break;
  }
  return true;
}

}  // namespace brolt::editor
