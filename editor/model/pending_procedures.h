#pragma once
// Procedures that other parts of the editor own, given here under their final names with a minimal
// body so that preview play, compiling and level management can call them. Each is completed later
// by its owner, who replaces the body and keeps the signature.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/level_record.h"
#include "editor/model/dialogs.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// The file `file` of the levels folder (AppPath & LevelsPath & file).
std::filesystem::path CollectionPath(const Editor& editor, std::string_view file);

// "previewplay.tmp" in the levels folder.
std::filesystem::path PreviewFilePath(const Editor& editor);

// One component of a ColorText ("r,g,b"): 0 red, 1 green, 2 blue, by its numeric value.
int GetColorComponent(std::string_view colorText, int component);

// The level being edited as a level record, as the save writes it.
LevelRecord MapToLevelRecord(const Editor& editor);

// Reports an unexpected failure: "ERROR:  " & description & ". " & context. An empty description
// means nothing failed and shows nothing.
void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context);

// In paste mode asks to leave it; true when the designer declined, so the caller drops its action.
bool ConfirmExitPasteMode(Editor& editor);

// Asks `message` when the map is not empty and the level unsaved; otherwise 0 without asking.
int ConfirmSaveChanges(Editor& editor, std::string_view message, ButtonSet buttons);

// False after "Invalid level title." for an empty or blank title, or "untitled" when refused.
bool ValidateLevelTitle(Editor& editor, std::string_view title, bool refuseUntitled);

// The title of a level record: its first 30 characters without trailing spaces.
std::string TrimTrailingSpaces(std::string_view record);

// The collection files that the lists offer, and the entry the editor's current file selects.
struct CollectionList {
  std::vector<std::string> files;
  int selected = -1;
};
CollectionList ListCollectionFiles(Editor& editor, bool quiet, bool showHelp);

// The collection file commands: each returns the file's new name ("ok" for a deletion), or "".
std::string NewCollectionFile(Editor& editor);
std::string RenameCollectionFile(Editor& editor, std::string_view file);
std::string DeleteCollectionFile(Editor& editor, std::string_view file);

// True, after its message, while the editor holds a titled level of the collection `file`.
bool CheckCollectionInEditor(Editor& editor, std::string_view file);

// Starts a new, empty level.
void NewLevel(Editor& editor);

// Saves the level being edited into its collection slot.
void SaveLevel(Editor& editor, bool saveAs);

// Shows the level's title and number in the main window.
void UpdateLevelCaption(Editor& editor);

}  // namespace brolt::editor
