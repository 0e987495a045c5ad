#include "editor/model/pending_procedures.h"

#include <string>

#include "common/numeric.h"

namespace brolt::editor {

int GetColorComponent(std::string_view colour, bool wantRed, bool wantGreen, bool wantBlue) {
  const int field = wantRed ? 0 : wantGreen ? 1 : wantBlue ? 2 : -1;
  if (field < 0) return 0;
  std::size_t start = 0;
  for (int i = 0; i < field; ++i) {
    const std::size_t comma = colour.find(',', start);
    if (comma == std::string_view::npos) return 0;
    start = comma + 1;
  }
  return LeadingNumber(colour.substr(start, colour.find(',', start) - start));
}

void RandomBorderColor(Editor& editor) {
  auto component = [&editor] { return std::to_string(static_cast<int>(editor.random.Rnd() * 256)); };
  for (std::string* colour : {&editor.prefs.BorderColor, &editor.prefs.GridDark, &editor.prefs.GridLight}) {
    const std::string red = component();
    const std::string green = component();
    *colour = red + ',' + green + ',' + component();
  }
}

void ApplyColorScheme(Editor& editor, bool randomColours) {
  if (randomColours) RandomBorderColor(editor);
}

bool ConfirmExitPasteMode(Editor& editor) {
  if (!editor.clipboard.PasteMode) return false;
  if (editor.ui.dialogs->ShowMessageBox("This action will exit paste mode.", ButtonSet::OKCancel, "xopastemode") == 2)
    return true;
  editor.clipboard.PasteMode = false;
  return false;
}

bool ValidateLevelTitle(Editor& editor, std::string_view title, bool refuseUntitled) {
  if (TrimSpaces(title).empty() || (refuseUntitled && ToLowerAscii(title) == "untitled")) {
    editor.ui.dialogs->ShowMessageBox("Invalid level title.", ButtonSet::OK, "");
    return false;
  }
  return true;
}

void UpdateLevelCaption(Editor& /*editor*/) {}

void SavePreferences(Editor& /*editor*/) {}

}  // namespace brolt::editor
