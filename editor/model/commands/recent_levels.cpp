#include "editor/model/commands/recent_levels.h"

#include <algorithm>
#include <functional>

#include "common/numeric.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/error_report.h"

namespace brolt::editor {

namespace {

constexpr const char* kRecentTable = "Recent";

RecentLevel CurrentRow(const RowSet& rows) {
  return {LeadingNumber(rows.Field("Index").value_or("")), rows.Field("File").value_or(""),
          LeadingNumber(rows.Field("Level").value_or("")), rows.Field("Title").value_or("")};
}

// Deletes the rows `drop` picks and those past the maximum, gives the others consecutive indices in
// menu order from `first`, then adds `added`; reports a database failure once.
void RewriteRecent(Editor& editor, const std::function<bool(const RecentLevel&)>& drop, int first,
                   const std::optional<RecentLevel>& added) {
  if (!editor.DefineDb) return;
  try {
    RowSet rows(*editor.DefineDb, kRecentTable);
    std::vector<std::pair<RecentLevel, int>> entries;  // each row with its position in the set
    for (int position = 0; position < rows.Count(); ++position) {
      rows.SetPosition(position);
      entries.emplace_back(CurrentRow(rows), position);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first.Index < b.first.Index; });
    std::vector<int> doomed;
    int next = first;
    for (const auto& [row, position] : entries) {
      if (drop(row) || next >= kMaxRecentLevels) {
        doomed.push_back(position);
        continue;
      }
      if (row.Index != next) {
        rows.SetPosition(position);
        rows.UpdateField("Index", std::int64_t{next});
      }
      ++next;
    }
    // From the last position up, so that the positions still to delete stay where they were.
    std::sort(doomed.rbegin(), doomed.rend());
    for (int position : doomed) {
      rows.SetPosition(position);
      rows.DeleteRow();
    }
    if (added) {
      rows.AddRow({{"Index", std::to_string(added->Index)},
                   {"File", added->File},
                   {"Level", std::to_string(added->Level)},
                   {"Title", added->Title}});
    }
  } catch (const DatabaseError& error) {
    ShowErrorMessage(editor, error, "Cannot update the recent levels list.");
  }
  RefreshRecentMenu(editor);
}

}  // namespace

std::vector<RecentLevel> ReadRecentLevels(Editor& editor) {
  std::vector<RecentLevel> levels;
  if (!editor.DefineDb) return levels;
  try {
    RowSet rows(*editor.DefineDb, kRecentTable);
    for (int position = 0; position < rows.Count(); ++position) {
      rows.SetPosition(position);
      levels.push_back(CurrentRow(rows));
    }
  } catch (const DatabaseError&) {
    levels.clear();
  }
  std::stable_sort(levels.begin(), levels.end(), [](const auto& a, const auto& b) { return a.Index < b.Index; });
  return levels;
}

void RefreshRecentMenu(Editor& editor) {
  std::vector<std::string> captions;
  for (const RecentLevel& level : ReadRecentLevels(editor))
    captions.push_back("&" + std::to_string(level.Index + 1) + " " + level.Title);
  editor.ui.window->ShowRecentLevels(captions);
}

void AddRecentLevel(Editor& editor) {
  const RecentLevel added{0, editor.prefs.LevelFile, editor.level.LevelNumber, editor.level.LevelTitle};
  RewriteRecent(
      editor,
      [&](const RecentLevel& row) { return SameFileName(row.File, added.File) && row.Title == added.Title; }, 1,
      added);
}

void RemoveRecentLevel(Editor& editor, const std::string& file, int level) {
  RewriteRecent(
      editor, [&](const RecentLevel& row) { return SameFileName(row.File, file) && row.Level == level; }, 0,
      std::nullopt);
}

}  // namespace brolt::editor
