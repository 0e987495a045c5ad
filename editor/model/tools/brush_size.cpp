#include "editor/model/tools/brush_size.h"

#include <algorithm>
#include <string>

#include "editor/model/tools/paste_mode.h"
#include "editor/model/window/brush_outline.h"

namespace brolt::editor {

namespace {

// The first cell of a brush `width` cells wide around `centre`, kept inside the level.
int BrushStart(int centre, int width) {
  const int start = centre - (width - 1) / 2;
  return std::clamp(start, 0, std::max(0, kLevelSize - width));
}

}  // namespace

int BrushWidth(const ToolState& tools) { return 2 * tools.BrushSize - 1; }

CellBox BrushSquareAround(const ToolState& tools, int column, int row) {
  const int width = BrushWidth(tools);
  const int left = BrushStart(column, width);
  const int top = BrushStart(row, width);
  return CellBox{static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
                 static_cast<std::int16_t>(std::min(left + width, kLevelSize) - 1),
                 static_cast<std::int16_t>(std::min(top + width, kLevelSize) - 1), true};
}

std::string BrushSizeHint(int tool, int size) {
  const std::string width = std::to_string(2 * size - 1);
  return tool == kBrushTool ? "Selects the brush size of " + width + "x" + width
                            : "Selects thickness of " + std::to_string(size);
}

void SetBrushSize(Editor& editor, int size) {
  CancelPasteMode(editor);
  // The bar has no use beyond a brush that covers the whole level.
  size = std::clamp(size, 1, kLevelSize);
  editor.tools.BrushSize = static_cast<std::int16_t>(size);
  editor.ui.window->ShowBrushSize(size);
  // The outline shows the new size at once, even while the pointer rests in its cell.
  if (editor.preview.GuideRow.Visible) MoveBrush(editor);
  editor.ui.window->ShowStatusText(BrushSizeHint(editor.tools.CurrentTool, size), 0, true, false, kStatusWhite);
}

}  // namespace brolt::editor
