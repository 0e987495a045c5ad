#pragma once
// The load dialog's rules: the levels of the chosen collection, the map preview of the level pressed,
// and the checks of its Load button. The dialog widget shows LoadDialogState and calls these.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/level_record.h"
#include "editor/model/collections/level_preview.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// The width of the level list, which the main window's level roll-down takes too, so that a title
// the dialog shows whole is whole there as well.
constexpr int kLoadLevelListWidth = 204;

struct LoadDialogState {
  std::vector<std::string> Files;
  int FileIndex = -1;
  std::vector<std::string> Levels;  // "NNN   Title" per record; no free slot
  int LevelIndex = -1;
  LevelPreview Preview;

  std::string File() const;
};

// Fills the collections quietly, chooses LevelFile's and, when it is the current collection, the
// current level. False when there is no collection to load from.
bool PrepareLoadDialog(Editor& editor, LoadDialogState& state);

// Lists the levels of the chosen collection with none chosen; unreadable gives an empty list.
void ListLoadLevels(Editor& editor, LoadDialogState& state);

// Draws the chosen level into the preview, unless that very level is already on show.
void ShowPreview(Editor& editor, LoadDialogState& state);

// The Load button: refuses no choice and an entry without a title (a free or tag slot).
bool AcceptLoadDialog(Editor& editor, const LoadDialogState& state);

// After level management: the collections listed again, the same one (its exact name, else in any
// case) and level chosen.
void ReselectAfterManagement(Editor& editor, LoadDialogState& state, const std::string& file, int levelIndex);

}  // namespace brolt::editor
