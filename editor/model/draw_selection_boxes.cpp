#include "editor/model/draw_selection_boxes.h"

namespace brolt::editor {

// Completed later with the rest of the selection.
void DrawSelectionBoxes(Editor& editor) { editor.ui.canvas->RedrawSelection(); }

}  // namespace brolt::editor
