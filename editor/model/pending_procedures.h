#pragma once
// Procedures that other parts of the editor own, under their final names and signatures. The
// bodies here do only the least the property dialogs rely on; they are completed later by their
// owners.
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// The numeric value of the first, second or third comma-separated field of a ColorText, for the
// first flag that is true (red tested first).
int GetColorComponent(std::string_view colour, bool wantRed, bool wantGreen, bool wantBlue);

// Draws new random border and grid colours into the preferences.
void RandomBorderColor(Editor& editor);

// Has the main window and every dialog take the preference colours, with new random ones first
// when asked.
void ApplyColorScheme(Editor& editor, bool randomColours);

// Outside paste mode false at once; in paste mode asks to leave it: true when the designer
// declines, so that the caller drops its action.
bool ConfirmExitPasteMode(Editor& editor);

// False, after telling the designer "Invalid level title.", for an empty or blank title and, when
// asked, for "untitled" in any letter case.
bool ValidateLevelTitle(Editor& editor, std::string_view title, bool refuseUntitled);

// Refreshes the main window's labels of the level's title and place in its collection.
void UpdateLevelCaption(Editor& editor);

// Writes every preference into its row of table Settings.
void SavePreferences(Editor& editor);

}  // namespace brolt::editor
