#pragma once
// Bringing a stored level into the editor: through the load dialog, from the recent list, or from
// the main window's level roll-down list. Each resets the undo history to the opened level.
#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kAskWithLoadDialog = -1;

// recentIndex kAskWithLoadDialog asks with the load dialog; any other value opens that recent entry.
void OpenLevel(Editor& editor, int recentIndex);

// Opens the entry of the roll-down list that DropDownIndex names.
void OpenLevelNumber(Editor& editor);

}  // namespace brolt::editor
