#include "editor/model/commands/error_report.h"

#include <string>

#include "editor/model/editor.h"
#include "editor/model/services/collection_name.h"
#include "editor/model/services/message_box.h"

namespace brolt::editor {

namespace {

// 453: a function missing from a system library, which the editor's callers pass over.
constexpr int kMissingEntryPoint = 453;
// Failures without a number of their own, thrown or found; any number but the two passed over will do.
constexpr int kThrownFailure = -1;

}  // namespace

void ShowErrorMessage(Editor& editor, int errorNumber, std::string_view description, std::string_view context) {
  if (errorNumber == 0 || errorNumber == kMissingEntryPoint) return;
  // The reports of the file system name files and folders in its own encoding.
  const std::string text = FileNameAsText("ERROR:  " + std::string(description) + ". " + std::string(context));
  editor.ui.dialogs->ShowErrorIcon(true);
  ShowMessageBox(editor, text, ButtonSet::OK, "");
  editor.ui.dialogs->ShowErrorIcon(false);
}

void ShowErrorMessage(Editor& editor, const std::exception& error, std::string_view context) {
  ShowErrorMessage(editor, kThrownFailure, error.what(), context);
}

void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context) {
  ShowErrorMessage(editor, kThrownFailure, description, context);
}

}  // namespace brolt::editor
