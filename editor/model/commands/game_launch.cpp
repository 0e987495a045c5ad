#include "editor/model/commands/game_launch.h"

#include <exception>
#include <string>
#include <system_error>
#include <vector>

#include "common/collection_file.h"
#include "common/numeric.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/commands/level_conversion.h"
#include "editor/model/services/collection_name.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {

namespace {
constexpr const char* kGameProgram = "brolt";

// The game refuses to start ("No level collections were found...") when its Levels folder holds
// no collection; the preview file does not count, so say so here instead of starting it in vain.
bool ConfirmLevelsFolderHasCollection(Editor& editor) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(GameLevelsFolder(editor), error)) {
    const std::string extension = ToLowerAscii(entry.path().extension().string());
    if ((extension == ".lvl" || extension == ".clvl") && entry.is_regular_file(error)) return true;
  }
  editor.ui.dialogs->ShowMessageBox(
      "The game needs at least one level collection in the Levels folder. Save a level into a collection first.",
      ButtonSet::OK, "");
  return false;
}

void StartGame(Editor& editor, const std::vector<std::string>& arguments) {
  const std::filesystem::path program = editor.AppPath / kGameProgram;
  std::error_code error;
  if (!std::filesystem::is_regular_file(program, error)) {
    ShowErrorMessage(editor, "The game program '" + FileNameAsText(program.string()) + "' is missing", "Cannot start the game.");
    return;
  }
  const std::string failure = editor.ui.launcher->StartProgram(program, arguments, editor.GameEnvironment);
  if (!failure.empty()) ShowErrorMessage(editor, failure, "Cannot start the game.");
}
}  // namespace

std::optional<LevelRecord> BuildPreviewLevel(const Editor& editor) {
  LevelRecord preview = ToLevelRecord(editor.level);
  const LevelState& level = editor.level;
  bool hasThresher = false;
  for (CellText& cell : preview.cells) {
    if (cell.tileCode != kThresherTile) continue;
    hasThresher = true;
    if (level.StartMarkerPlaced) cell.tileCode = 0;
  }
  if (level.StartMarkerPlaced) preview.Cell(level.StartMarkerX, level.StartMarkerY).tileCode = kThresherTile;
  if (!hasThresher && !level.StartMarkerPlaced) return std::nullopt;
  return preview;
}

void PreviewLevel(Editor& editor) {
  if (ConfirmExitPasteMode(editor)) return;
  const std::optional<LevelRecord> preview = BuildPreviewLevel(editor);
  if (!preview) {
    editor.ui.dialogs->ShowMessageBox("You must insert Thresher to preview a level.", ButtonSet::OK,
                                      "cannotpreviewlevel");
    return;
  }
  if (!ConfirmLevelsFolderHasCollection(editor)) return;
  try {
    WriteCollection(PreviewFilePath(editor),
                    {EncodePreviewRecord(*preview), EncodePreviewMusicRecord(editor.prefs.MuteMusic)});
  } catch (const std::exception& error) {
    ShowErrorMessage(editor, error, "Cannot preview level.");
    return;
  }
  StartGame(editor, {std::string(kPreviewFileName)});
}

void LaunchGame(Editor& editor) {
  if (ConfirmExitPasteMode(editor) || !ConfirmLevelsFolderHasCollection(editor)) return;
  StartGame(editor, {});
}

}  // namespace brolt::editor
