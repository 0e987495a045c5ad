#pragma once
// The selector's marquee: a press starts it on the pressed cell, moves stretch it, the release selects
// its cells. A plain drag replaces the selection, a modifier held at the press adds to it, Ctrl held
// at the release removes the covered cells instead; a right press during the drag cancels it.
#include "editor/model/editor.h"

namespace brolt::editor {

void BeginMultiSelect(Editor& editor);
void DragMultiSelect(Editor& editor);
void EndMultiSelect(Editor& editor);
// True when a right press cancelled a marquee drag; the press is then consumed.
bool CancelMultiSelect(Editor& editor);

}  // namespace brolt::editor
