#include "editor/ui/main_window/view_scroll_bar.h"

#include <QSignalBlocker>

#include "editor/model/canvas/scrolling.h"

namespace brolt::editor {

ViewScrollBar::ViewScrollBar(Editor& editor, ScrollBarState& bar, Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent), editor_(editor), bar_(bar) {
  connect(this, &QScrollBar::valueChanged, this, &ViewScrollBar::TakeValue);
  ShowState();
}

void ViewScrollBar::ShowState() {
  const QSignalBlocker blocker(this);
  setRange(0, bar_.Max);
  setPageStep(bar_.LargeChange);
  setValue(bar_.Value);
}

void ViewScrollBar::TakeValue(int value) {
  bar_.Value = static_cast<std::int16_t>(value);
  ScrollBarChanged(editor_);
}

}  // namespace brolt::editor
