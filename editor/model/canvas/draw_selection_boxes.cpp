#include "editor/model/canvas/draw_selection_boxes.h"

namespace brolt::editor {

void DrawSelectionBoxes(Editor& editor) { editor.ui.canvas->RedrawSelection(); }

}  // namespace brolt::editor
