#pragma once
// Reading and writing the preferences, rows of table Settings: Variable the key, Value the value as
// text. Keys are matched in any letter case on reading and exactly on writing; rows are applied in
// table order, so a later row for a key overrides an earlier one. Switches are stored inverted: -1
// means off and 0 means on. Rows are never added or deleted.
#include "editor/model/editor.h"

namespace brolt::editor {

// The slot length of every collection file the game reads. The "len" row is read but never used:
// any other length would write files the game misreads.
constexpr std::int32_t kRecordLength = 10101;

// The five path rows ("tilesetimagefile", "graphicspath", "soundpath", "musicpath", "levelspath").
// An empty graphics or levels path keeps its default.
void LoadPaths(Editor& editor);

// Advances the splash progress, then applies every preference row. A value that can't be used (not
// a number where one is needed, or outside the range that works) is skipped, so its preference keeps
// the built-in default or an earlier row's value; the stored rows stay as they are. Loading sizes and
// empties the undo ring, and a random colour scheme replaces the colours read before it.
void LoadPreferences(Editor& editor);

// Writes the preferences back into the rows whose key matches exactly. The placement is the main
// window's as it stands; its rows are written only while it is neither minimised nor maximised.
void SavePreferences(Editor& editor);

}  // namespace brolt::editor
