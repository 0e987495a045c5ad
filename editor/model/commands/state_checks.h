#pragma once
// Checks the commands share: is the map empty, can the level be played, may it be thrown away, is
// its title acceptable, and how many levels a collection holds.
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

bool IsMapEmpty(const Editor& editor);

// At least one Thresher (1) and one Portal (9) among the level cells.
bool HasThresherAndPortal(const Editor& editor);

// Asks only when the map holds tiles and is unsaved; otherwise answers 0 without asking. With
// YesNoCancel a 0 is Yes or nothing to save, so callers that care test LevelSaved and IsMapEmpty.
int ConfirmSaveChanges(Editor& editor, std::string_view message, ButtonSet buttons);

// Refuses, with "Invalid level title.", an empty title, one of spaces only and, when asked to,
// "untitled" in any case and with any spaces around it.
bool ValidateLevelTitle(Editor& editor, std::string_view title, bool refuseUntitled);

// The records before the first empty one, at most 999. Never creates the file; a missing one counts 0.
// Throws FileError when the file exists but can't be read.
int CountCollectionLevels(const Editor& editor, std::string_view file);

}  // namespace brolt::editor
