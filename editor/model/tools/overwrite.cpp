#include "editor/model/tools/overwrite.h"

namespace brolt::editor {

void SetOverwrite(Editor& editor, bool on) {
  editor.tools.Overwrite = on;
  editor.prefs.OverwriteTiles = on;
  editor.ui.window->ShowOverwrite(on);
}

}  // namespace brolt::editor
