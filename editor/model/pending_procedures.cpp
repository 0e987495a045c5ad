#include "editor/model/pending_procedures.h"

namespace brolt::editor {

void EnterPasteModeMenus(Editor&) {}

void LeavePasteModeMenus(Editor&) {}

void RotateSelection(Editor&, int) {}

}  // namespace brolt::editor
