#pragma once
// The editor's pointer numbers as Qt cursors.
#include <QCursor>

namespace brolt::editor {

// 1 arrow, 2 cross, 5 size-all, 11 hourglass; 0 and any other number the widget's default.
QCursor PointerCursor(int pointer);

}  // namespace brolt::editor
