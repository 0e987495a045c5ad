#pragma once
// A scroll bar that Tab reaches and the keys move as its arrows and trough do: the arrow keys a
// step, Page Up and Page Down a page, Home and End to its ends. Qt's scroll bars take no keys.
class QScrollBar;

namespace brolt::editor {

void LetKeysMoveBar(QScrollBar& bar);

}  // namespace brolt::editor
