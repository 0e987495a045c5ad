#include "editor/model/apply_color_scheme.h"

#include "editor/model/collection_lists.h"
#include "editor/model/colour_scheme.h"

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
