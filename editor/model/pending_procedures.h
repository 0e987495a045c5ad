#pragma once
// Procedures that other parts of the editor complete later. Each has its final name and signature
// and the smallest body that lets the collection commands run; the owners replace these bodies.
#include <string>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// Reports a trapped failure: "ERROR:  " + description + ". " + context, with the button "OK".
// Completed later with the error icon of the message box.
void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context);

// Opens level management on a collection (may be empty). Completed later with the management dialog.
void OpenLevelManagement(Editor& editor, std::string& collectionFile);

// Outside paste mode false at once; in paste mode asks to leave it: true when the designer cancels
// (the caller drops its action), false after leaving paste mode. Completed later by the canvas.
bool ConfirmExitPasteMode(Editor& editor);

// Writes the preferences into table Settings. Completed later by the preferences.
void SavePreferences(Editor& editor);

// Turns a selected, rotatable cell: mode 0 a quarter clockwise, -1 a quarter counter-clockwise,
// 2 a half turn. Completed later by the tile rotation services.
void RotateMapCell(Editor& editor, int x, int y, int mode);

// With keep false clears every cell's selection. Completed later by the selection.
void ClearSelection(Editor& editor, bool keep);

// Scrolls so that the level's tiles are in the middle of the view. Completed later by the view.
void CenterOnLevel(Editor& editor);

// Draws new border and grid colours. Completed later by the view.
void RandomBorderColor(Editor& editor);

// The title of a level record: its first 30 characters without trailing spaces; a shorter text comes
// back unchanged. Completed later with the message box wrappers.
std::string TrimTrailingSpaces(std::string_view record);

}  // namespace brolt::editor
