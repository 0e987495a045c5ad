#include "editor/model/commands/state_checks.h"

#include <algorithm>

#include "common/collection_file.h"
#include "common/numeric.h"
#include "editor/model/collections/level_files.h"

namespace brolt::editor {

namespace {
bool AnyLevelCell(const Editor& editor, int tile) {
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y)
      if (editor.level.Cell(x, y).TileCode == tile) return true;
  return false;
}
}  // namespace

bool IsMapEmpty(const Editor& editor) {
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y)
      if (editor.level.Cell(x, y).TileCode != 0) return false;
  return true;
}

bool HasThresherAndPortal(const Editor& editor) {
  return AnyLevelCell(editor, kThresherTile) && AnyLevelCell(editor, kExitPortalTile);
}

int ConfirmSaveChanges(Editor& editor, std::string_view message, ButtonSet buttons) {
  if (IsMapEmpty(editor) || editor.level.LevelSaved) return 0;
  return editor.ui.dialogs->ShowMessageBox(message, buttons, "");
}

bool ValidateLevelTitle(Editor& editor, std::string_view title, bool refuseUntitled) {
  const bool blank = title.find_first_not_of(' ') == std::string_view::npos;
  // The title as the level keeps it: its field drops trailing spaces, and the game reads it without
  // leading ones. "Untitled " would be saved as "Untitled".
  if (blank || (refuseUntitled && ToLowerAscii(TrimSpaces(title)) == "untitled")) {
    editor.ui.dialogs->ShowMessageBox("Invalid level title.", ButtonSet::OK, "");
    return false;
  }
  return true;
}

int CountCollectionLevels(const Editor& editor, std::string_view file) {
  return static_cast<int>(std::min<long>(CountFilledSlots(CollectionPath(editor, file)), kMaxCollectionLevels));
}

}  // namespace brolt::editor
