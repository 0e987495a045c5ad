#pragma once
// Procedures whose owners are building them now, under their final names and signatures. Each
// body here is empty, or as small as its callers need; the entry goes when the owner's work lands.
#include "editor/model/editor.h"

namespace brolt::editor {

// Swap the menus for the single "Exit Paste Mode" item and back.
void EnterPasteModeMenus(Editor& editor);
void LeavePasteModeMenus(Editor& editor);

// Turns the selected cells.
void RotateSelection(Editor& editor, int mode);

// The main window's border and grid colours.
void PaintBorders(Editor& editor);

// The help topics, kept for the whole run.
void OpenHelpRecordset(Editor& editor);

// The File menu's recent levels, and the level labels of the main window.
void RefreshRecentMenu(Editor& editor);
void UpdateLevelCaption(Editor& editor);

// Deletes the collection files whose first record is empty, and lists the collections of the
// levels folder, leading the designer to make one when there is none.
void PurgeEmptyCollectionFiles(Editor& editor);
void ListCollectionFiles(Editor& editor, bool quiet, bool showHelp);

}  // namespace brolt::editor
