#pragma once
// Paste mode: the clipboard follows the pointer as a preview drawn with the selection markers, every
// left click places a copy centred on the pointer's cell, and the mode lasts until it is left.
#include "editor/model/editor.h"

namespace brolt::editor {

// Enters paste mode, or says that the clipboard is empty.
void StartPasteMode(Editor& editor);
// Shows, around the pointer's cell, the cells a click would write.
void DragPastePreview(Editor& editor);
// Writes one copy of the clipboard centred on the pointer's cell, selects it and records an undo step.
void PlaceClipboard(Editor& editor);
// Leaves paste mode; nothing outside it.
void CancelPasteMode(Editor& editor);
// Outside paste mode false. In paste mode asks whether to leave it: true when the designer declines
// (the caller then drops its command), otherwise leaves it and returns false.
bool ConfirmExitPasteMode(Editor& editor);

}  // namespace brolt::editor
