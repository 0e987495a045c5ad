#include "editor/model/commands/tile_count_command.h"

#include <array>

#include "common/database.h"
#include "common/numeric.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/services/preferences_store.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {
namespace {

// The catalogue calls another tile "Explosive" too; the counter names the bomb so, as it always has.
constexpr int kBombTile = 25;
constexpr int kArmouredUnidTile = 22;
constexpr int kGoldUnidGnatTile = 8;

using TileCounts = std::array<int, kTileCodes>;

TileCounts CountMap(const LevelState& level) {
  TileCounts counts{};
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const int code = level.Cell(x, y).TileCode;
      if (code >= 0 && code < kTileCodes) ++counts[static_cast<std::size_t>(code)];
    }
  }
  return counts;
}

int CountOf(const TileCounts& counts, int code) {
  return code >= 0 && code < kTileCodes ? counts[static_cast<std::size_t>(code)] : 0;
}

}  // namespace

std::string TileCountLineText(std::string_view name, int count) {
  const int length = static_cast<int>(name.size());
  const int dots = length <= kTileCountNameColumns - 1 ? kTileCountNameColumns - length : 0;
  return std::string(name) + std::string(static_cast<std::size_t>(dots), '.') + std::to_string(count);
}

TileCountSummary CountTileTypes(Editor& editor) {
  TileCountSummary summary;
  if (editor.DefineDb == nullptr) return summary;
  const TileCounts counts = CountMap(editor.level);
  RowSet rows(*editor.DefineDb, "Tileset");
  for (int position = 0; position < rows.Count(); ++position) {
    rows.SetPosition(position);
    const int code = LeadingNumber(rows.Field("Type").value_or(""));
    const std::string name = code == kBombTile ? "Explosive" : rows.Field("Desc").value_or("");
    summary.Lines.push_back({TileCountLineText(name, CountOf(counts, code)), code});
    if (code == editor.tools.CounterTile) summary.Selected = position;
  }
  if (summary.Selected < 0 && !summary.Lines.empty()) summary.Selected = 0;
  for (TileCountLine& line : summary.Lines) {
    if (line.TileCode != kUnidTile) continue;
    const int unids = counts[kUnidTile] + counts[kArmouredUnidTile] + counts[kGoldUnidGnatTile];
    line.Text = line.Text.substr(0, kTileCountNameColumns) + std::to_string(unids);
    break;
  }
  return summary;
}

void ShowTileCount(Editor& editor, TileCountView& dialog) {
  if (ConfirmExitPasteMode(editor)) return;
  TileCountSummary summary;
  try {
    summary = CountTileTypes(editor);
  } catch (const DatabaseError& failure) {
    ShowErrorMessage(editor, failure, "The tiles were not counted.");
    return;
  }
  if (summary.Selected >= 0) ChooseCountedTile(editor, summary.Lines[static_cast<std::size_t>(summary.Selected)].TileCode);
  dialog.RunTileCount(summary, editor.prefs.UsePrimaryForCounter);
}

void ChooseCountedTile(Editor& editor, int tileCode) {
  if (tileCode >= 0 && tileCode < kTileCodes) SetCounterTile(editor, tileCode);
}

void SetUsePrimaryForCounter(Editor& editor, bool on) {
  editor.prefs.UsePrimaryForCounter = on;
  try {
    SavePreferences(editor);
  } catch (const DatabaseError& failure) {
    ShowErrorMessage(editor, failure, "The preferences were not saved.");
  }
}

}  // namespace brolt::editor
