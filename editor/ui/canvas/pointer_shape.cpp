#include "editor/ui/canvas/pointer_shape.h"

#include "editor/model/canvas/mouse_pointer.h"

namespace brolt::editor {

QCursor PointerCursor(int pointer) {
  switch (pointer) {
    case kArrowPointer: return QCursor(Qt::ArrowCursor);
    case kCrossPointer: return QCursor(Qt::CrossCursor);
    case kSizeAllPointer: return QCursor(Qt::SizeAllCursor);
    case kHourglassPointer: return QCursor(Qt::WaitCursor);
    case kNoDropPointer: return QCursor(Qt::ForbiddenCursor);
    default: return QCursor();
  }
}

void ApplyPointer(QWidget& widget, int pointer) {
  if (pointer == kDefaultPointer) {
    widget.unsetCursor();
  } else {
    widget.setCursor(PointerCursor(pointer));
  }
}

}  // namespace brolt::editor
