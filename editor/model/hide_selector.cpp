#include "editor/model/hide_selector.h"

namespace brolt::editor {

// Completed later with the main window's status bar, which also clears the tip text.
void HideSelector(Editor& editor) {
  editor.view.Overlays.shpSelect.Visible = false;
  editor.ui.canvas->RedrawOverlays();
}

}  // namespace brolt::editor
