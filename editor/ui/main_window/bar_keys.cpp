#include "editor/ui/main_window/bar_keys.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace brolt::editor {

namespace {

class BarKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* bar = static_cast<QScrollBar*>(watched);
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
      case Qt::Key_Right:
      case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
      case Qt::Key_PageDown: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); return true;
      case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepSub); return true;
      case Qt::Key_Home: bar->triggerAction(QAbstractSlider::SliderToMinimum); return true;
      case Qt::Key_End: bar->triggerAction(QAbstractSlider::SliderToMaximum); return true;
      default: return false;
    }
  }
};

}  // namespace

void LetKeysMoveBar(QScrollBar& bar) {
  bar.setFocusPolicy(Qt::StrongFocus);
  bar.installEventFilter(new BarKeys(&bar));
}

}  // namespace brolt::editor
