#include "editor/model/window/hide_selector.h"

#include "editor/model/window/window_controls.h"

namespace brolt::editor {

void HideSelector(Editor& editor) {
  CanvasPreview& preview = editor.preview;
  preview.BrushOutline.Visible = false;
  preview.GuideRow.Visible = false;
  preview.GuideColumn.Visible = false;
  // The brush keeps a rectangle it is dragging; every other tool loses it with the pointer.
  if (editor.tools.CurrentTool != kBrushTool) preview.SquareOutline.Visible = false;
  preview.SquareInner.Visible = false;
  preview.PasteTipShown = false;
  for (int field = 0; field < 4; ++field) editor.ui.window->ShowStatusText("", field, false, false, kStatusWhite);
  editor.ui.canvas->RedrawOverlays();
}

}  // namespace brolt::editor
