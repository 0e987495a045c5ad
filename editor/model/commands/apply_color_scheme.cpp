#include "editor/model/commands/apply_color_scheme.h"

#include "editor/model/commands/collection_lists.h"
#include "editor/model/services/colour_scheme.h"

namespace brolt::editor {

void ApplyColorScheme(Editor& editor, bool randomColours) {
  ShowLevelDropDown(editor, true);
  editor.ui.window->SetMousePointer(11);
  if (randomColours) RandomBorderColor(editor);
  editor.ui.window->PaintBorders();
  editor.ui.dialogs->UnloadDialogs();
  editor.colorPicker = {};  // the picker is loaded anew too
  if (editor.prefs.ShowGrid) editor.ui.canvas->RedrawLevel();
  editor.ui.window->SetMousePointer(0);
}

}  // namespace brolt::editor
