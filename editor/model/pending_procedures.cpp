#include "editor/model/pending_procedures.h"

namespace brolt::editor {

void EnterPasteModeMenus(Editor&) {}
void LeavePasteModeMenus(Editor&) {}
void RotateSelection(Editor&, int) {}
void PaintBorders(Editor&) {}
void OpenHelpRecordset(Editor&) {}
void RefreshRecentMenu(Editor&) {}
void UpdateLevelCaption(Editor&) {}
void PurgeEmptyCollectionFiles(Editor&) {}
void ListCollectionFiles(Editor&, bool, bool) {}

}  // namespace brolt::editor
