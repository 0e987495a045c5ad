#pragma once
// The levels opened or saved most recently, newest first, kept in table Recent of the definitions
// database (Index, File, Level, Title) so that the list survives between runs.
#include <optional>
#include <string>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// At most this many entries, so that the menu's access keys 1..9 stay unique.
constexpr int kMaxRecentLevels = 9;

struct RecentLevel {
  int Index = 0;
  std::string File;
  int Level = 0;
  std::string Title;
};

// The rows of table Recent in menu order; none without a database.
std::vector<RecentLevel> ReadRecentLevels(Editor& editor);

// Shows the menu entries "&n Title", numbered from 1.
void RefreshRecentMenu(Editor& editor);

// Puts the current level at the top: one entry per file (any case) and title, consecutive indices
// from 0, the oldest entries dropped past the maximum.
void AddRecentLevel(Editor& editor);

// Removes every entry of one slot of a collection (any case), renumbering the rest, and refreshes.
void RemoveRecentLevel(Editor& editor, const std::string& file, int level);

}  // namespace brolt::editor
