#include "editor/model/commands/error_report.h"

#include <string>

#include "common/path_error.h"
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
  const std::string text = "ERROR:  " + std::string(description) + ". " + std::string(context);
  editor.ui.dialogs->ShowErrorIcon(true);
  ShowMessageBox(editor, text, ButtonSet::OK, "");
  editor.ui.dialogs->ShowErrorIcon(false);
}

std::string FailureText(const std::exception& error) {
  // A path is the file system's bytes; the rest of the message is single-byte text as it stands.
  const auto* named = dynamic_cast<const PathError*>(&error);
  return named ? named->Message(FileNameAsText) : error.what();
}

void ShowErrorMessage(Editor& editor, const std::exception& error, std::string_view context) {
  ShowErrorMessage(editor, kThrownFailure, FailureText(error), context);
}

void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context) {
  ShowErrorMessage(editor, kThrownFailure, description, context);
}

}  // namespace brolt::editor
