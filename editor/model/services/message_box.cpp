#include "editor/model/services/message_box.h"

#include "editor/model/editor.h"

namespace brolt::editor {

ButtonLayout ButtonLayoutFor(ButtonSet buttons) {
  switch (buttons) {
    case ButtonSet::OK: return {{"", "OK", ""}, 1, 2};
    case ButtonSet::YesNo: return {{"", "Yes", "No"}, 1, 2};
    case ButtonSet::OKCancel: return {{"", "OK", "Cancel"}, 1, 2};
    case ButtonSet::YesNoCancel: return {{"Yes", "No", "Cancel"}, 0, 2};
  }
  return {{"", "OK", ""}, 1, 2};
}

int CloseAnswer(ButtonSet buttons) {
  const ButtonLayout layout = ButtonLayoutFor(buttons);
  const bool cancelShown = !layout.captions[static_cast<std::size_t>(layout.cancelButton)].empty();
  return cancelShown ? layout.cancelButton : layout.defaultButton;
}

int ShowMessageBox(Editor& editor, std::string_view message, ButtonSet buttons, std::string_view helpKey) {
  return editor.ui.dialogs->ShowMessageBox(message, buttons, helpKey);
}

}  // namespace brolt::editor
