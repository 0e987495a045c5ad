#include "editor/model/pending_procedures.h"

#include "editor/model/paste_mode_menus.h"

namespace brolt::editor {

void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context) {
  editor.ui.dialogs->ShowMessageBox("ERROR:  " + std::string(description) + ". " + std::string(context),
                                    ButtonSet::OK, "");
}

void OpenLevelManagement(Editor& /*editor*/, std::string& /*collectionFile*/) {}

bool ConfirmExitPasteMode(Editor& editor) {
  if (!editor.clipboard.PasteMode) return false;
  if (editor.ui.dialogs->ShowMessageBox("This action will exit paste mode.", ButtonSet::OKCancel, "xopastemode") ==
      2)
    return true;
  editor.clipboard.PasteMode = false;
  editor.input.HeldKey = 0;
  LeavePasteModeMenus(editor);
  return false;
}

void SavePreferences(Editor& /*editor*/) {}

void RotateMapCell(Editor& editor, int x, int y, int mode) {
  MapCell& cell = editor.level.Cell(x, y);
  if (!cell.Selected || !editor.tiles[cell.TileCode].Rotate) return;
  int turned = cell.Direction + (mode == 2 ? 2 : mode == -1 ? -1 : 1);
  if (turned > 4) turned -= 4;
  if (turned < 1) turned += 4;
  cell.Direction = static_cast<std::int16_t>(turned);
  editor.ui.canvas->RedrawCell(x, y);
}

void ClearSelection(Editor& editor, bool keep) {
  if (keep) return;
  for (auto& column : editor.level.Map)
    for (MapCell& cell : column) cell.Selected = false;
  editor.ui.canvas->RedrawSelection();
}

void CenterOnLevel(Editor& editor) { editor.ui.canvas->ViewMoved(); }

void RandomBorderColor(Editor& /*editor*/) {}

std::string TrimTrailingSpaces(std::string_view record) {
  if (record.size() < 30) return std::string(record);
  std::string_view title = record.substr(0, 30);
  const std::size_t last = title.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(title.substr(0, last + 1));
}

}  // namespace brolt::editor
