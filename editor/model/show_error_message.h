#pragma once
// The editor's report of an unexpected error, in its own message box.
#include "editor/model/editor.h"

namespace brolt::editor {

void ShowErrorMessage(Editor& editor, int errorNumber, std::string_view description, std::string_view context);

}  // namespace brolt::editor
