#pragma once
// The selection lives in the level's cells, one flag each, and is shown by one marker per cell.
#include "editor/model/editor.h"

namespace brolt::editor {

// Hides the marker of every selected cell and, unless `keep`, deselects it. Markers a preview shows
// over unselected cells stay.
void ClearSelection(Editor& editor, bool keep);

// Shows the marker of every selected cell and hides the others.
void ShowSelectionMarks(Editor& editor);

// Hides every marker, leaving the flags: before a paste preview and when it ends.
void HideSelectionMarks(Editor& editor);

bool AnyCellSelected(const Editor& editor);

}  // namespace brolt::editor
