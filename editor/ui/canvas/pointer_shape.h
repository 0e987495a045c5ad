#pragma once
// The editor's pointer numbers as Qt cursors.
#include <QCursor>
#include <QWidget>

namespace brolt::editor {

// 1 arrow, 2 cross, 5 size-all, 11 hourglass, 12 no-drop; 0 and any other number the widget's default.
QCursor PointerCursor(int pointer);

// Shows the pointer over the widget; the default pointer gives the widget's own back.
void ApplyPointer(QWidget& widget, int pointer);

}  // namespace brolt::editor
