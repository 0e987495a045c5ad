#include "editor/model/show_error_message.h"

namespace brolt::editor {

// Completed later with the error icon of the message box.
void ShowErrorMessage(Editor& editor, int errorNumber, std::string_view description, std::string_view context) {
  if (errorNumber == 0 || errorNumber == 453) return;
  editor.ui.dialogs->ShowMessageBox("ERROR:  " + std::string(description) + ". " + std::string(context), ButtonSet::OK, "");
}

}  // namespace brolt::editor
