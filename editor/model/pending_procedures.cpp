#include "editor/model/pending_procedures.h"

#include <algorithm>
#include <system_error>

#include "common/collection_file.h"
#include "common/numeric.h"

namespace brolt::editor {

namespace {
bool EndsWithLowerCase(std::string_view name, std::string_view ending) {
  return name.size() >= ending.size() && ToLowerAscii(name.substr(name.size() - ending.size())) == ending;
}
}  // namespace

int GetColorComponent(std::string_view colorText, int component) {
  for (int skipped = 0; skipped < component; ++skipped) {
    const std::size_t comma = colorText.find(',');
    colorText = comma == std::string_view::npos ? std::string_view() : colorText.substr(comma + 1);
  }
  return LeadingNumber(colorText.substr(0, colorText.find(',')));
}

std::filesystem::path CollectionPath(const Editor& editor, std::string_view file) {
  std::string folder = editor.prefs.LevelsPath;
  folder.erase(0, folder.find_first_not_of("/\\"));
  return editor.AppPath / folder / std::string(file);
}

std::filesystem::path PreviewFilePath(const Editor& editor) { return CollectionPath(editor, kPreviewFileName); }

LevelRecord MapToLevelRecord(const Editor& editor) {
  const LevelState& level = editor.level;
  LevelRecord record;
  record.title = level.LevelTitle;
  for (std::size_t i = 0; i < record.colours.size(); ++i) {
    const std::string& colour = level.LevelColor[i];
    record.colours[i] = {GetColorComponent(colour, 0), GetColorComponent(colour, 1), GetColorComponent(colour, 2)};
  }
  record.lightRadius = level.LightRadius;
  record.timeLimit = level.TimeLimit;
  record.unidAward = level.UnidAward;
  record.cannonRate = level.CannonRate;
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x) record.Cell(x, y) = {level.Cell(x, y).TileCode, level.Cell(x, y).Direction};
  return record;
}

void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context) {
  if (description.empty()) return;
  editor.ui.dialogs->ShowMessageBox("ERROR:  " + std::string(description) + ". " + std::string(context), ButtonSet::OK,
                                    "");
}

bool ConfirmExitPasteMode(Editor& editor) {
  if (!editor.clipboard.PasteMode) return false;
  if (editor.ui.dialogs->ShowMessageBox("This action will exit paste mode.", ButtonSet::OKCancel, "xopastemode") == 2)
    return true;
  editor.clipboard.PasteMode = false;
  return false;
}

int ConfirmSaveChanges(Editor& editor, std::string_view message, ButtonSet buttons) {
  bool empty = true;
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y) empty = empty && editor.level.Cell(x, y).TileCode == 0;
  if (empty || editor.level.LevelSaved) return 0;
  return editor.ui.dialogs->ShowMessageBox(message, buttons, "");
}

bool ValidateLevelTitle(Editor& editor, std::string_view title, bool refuseUntitled) {
  if (!TrimSpaces(title).empty() && !(refuseUntitled && ToLowerAscii(title) == "untitled")) return true;
  editor.ui.dialogs->ShowMessageBox("Invalid level title.", ButtonSet::OK, "");
  return false;
}

std::string TrimTrailingSpaces(std::string_view record) {
  std::string_view title = record.substr(0, 30);
  return std::string(title.substr(0, title.find_last_not_of(' ') + 1));
}

CollectionList ListCollectionFiles(Editor& editor, bool /*quiet*/, bool /*showHelp*/) {
  CollectionList list;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(CollectionPath(editor, ""), error)) {
    const std::string name = entry.path().filename().string();
    const bool compiledName = EndsWithLowerCase(name, ".clvl");
    if (!entry.is_regular_file(error) || !(EndsWithLowerCase(name, ".lvl") || compiledName)) continue;
    if (editor.DeveloperMode) {
      list.files.push_back(name);
      continue;
    }
    if (compiledName) continue;
    try {
      if (!IsCompiledMarker(FieldText(ReadSlot(entry.path(), 1), level_field::CompiledMarker)))
        list.files.push_back(name);
    } catch (const std::exception&) {
      // A file that cannot be read is not offered.
    }
  }
  std::sort(list.files.begin(), list.files.end(),
            [](const std::string& a, const std::string& b) { return ToLowerAscii(a) < ToLowerAscii(b); });
  for (std::size_t i = 0; i < list.files.size() && list.selected < 0; ++i)
    if (ToLowerAscii(list.files[i]) == ToLowerAscii(editor.prefs.LevelFile)) list.selected = static_cast<int>(i);
  if (list.selected < 0 && !list.files.empty()) list.selected = 0;
  return list;
}

std::string NewCollectionFile(Editor& editor) {
  std::string name = editor.ui.dialogs->ShowInputBox("Type a new collection filename below.", "[FILE]", 24);
  if (name.empty()) return {};
  if (!EndsWithLowerCase(name, ".lvl")) name += ".lvl";
  try {
    CreateCollectionFile(CollectionPath(editor, name));
  } catch (const std::exception& error) {
    ShowErrorMessage(editor, error.what(), "Cannot create collection file.");
    return {};
  }
  return name;
}

std::string RenameCollectionFile(Editor& editor, std::string_view file) {
  if (file.empty() || CheckCollectionInEditor(editor, file)) return {};
  std::string name = editor.ui.dialogs->ShowInputBox("Type a new filename for " + std::string(file) + " below.",
                                                     "[FILE]" + std::string(file), 24);
  if (name.empty()) return {};
  if (!EndsWithLowerCase(name, ".lvl")) name += ".lvl";
  std::error_code error;
  std::filesystem::rename(CollectionPath(editor, file), CollectionPath(editor, name), error);
  if (error) {
    ShowErrorMessage(editor, error.message(), "Cannot rename file.");
    return {};
  }
  return name;
}

std::string DeleteCollectionFile(Editor& editor, std::string_view file) {
  if (CheckCollectionInEditor(editor, file)) return {};
  if (editor.ui.dialogs->ShowMessageBox(
          "There is no undo when deleting collection files. Are you sure you wish to delete '" + std::string(file) +
              "'?",
          ButtonSet::YesNo, "deletelevelfile") == 2)
    return {};
  std::error_code error;
  std::filesystem::remove(CollectionPath(editor, file), error);
  if (error) {
    editor.ui.dialogs->ShowMessageBox("ERROR:  " + error.message(), ButtonSet::OK, "");
    return {};
  }
  return "ok";
}

bool CheckCollectionInEditor(Editor& editor, std::string_view file) {
  const std::string& title = editor.level.LevelTitle;
  if (title == "Untitled" || title.empty() || editor.prefs.LevelFile != file) return false;
  editor.ui.dialogs->ShowMessageBox("Close the level in the editor before managing the same collection file.",
                                    ButtonSet::OK, "");
  return true;
}

void NewLevel(Editor& editor) {
  LevelState& level = editor.level;
  for (auto& column : level.Map)
    for (MapCell& cell : column) cell.TileCode = cell.Direction = 0;
  level.LevelTitle = editor.prefs.DefaultLevelTitle;
  level.LevelNumber = -1;
  level.LevelSaved = true;
  level.StartMarkerPlaced = false;
}

void SaveLevel(Editor& editor, bool /*saveAs*/) {
  if (editor.level.LevelNumber < 1) return;
  try {
    WriteSlot(CollectionPath(editor, editor.prefs.LevelFile), editor.level.LevelNumber,
              EncodeLevelRecord(MapToLevelRecord(editor)));
    editor.level.LevelSaved = true;
  } catch (const std::exception& error) {
    ShowErrorMessage(editor, error.what(), "Cannot save level.");
  }
}

void UpdateLevelCaption(Editor& /*editor*/) {}

}  // namespace brolt::editor
