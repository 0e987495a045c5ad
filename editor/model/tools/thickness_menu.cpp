#include "editor/model/tools/thickness_menu.h"

#include <string>

#include "common/numeric.h"
#include "editor/model/tools/tool_state.h"

namespace brolt::editor {

ThicknessMenu BuildThicknessMenu(int tool, int sizeValue, int sizeMax) {
  ThicknessMenu menu;
  const bool widths = tool == kBrushTool || tool == kSelectorTool;
  if (!widths && tool != kRectangleTool) return menu;
  // Brush widths are odd cell counts against the bar's maximum; outline thicknesses are compared
  // with half of it.
  const int largest = widths ? sizeMax : RoundToInt32(sizeMax / 2.0);
  const int current = widths ? 2 * sizeValue - 1 : sizeValue;
  for (std::size_t i = 0; i < menu.Items.size(); ++i) {
    ThicknessItem& item = menu.Items[i];
    const int number = static_cast<int>(i) + 1;
    item.Caption = widths ? 2 * number - 1 : number;
    item.Visible = item.Caption <= largest;
    if (item.Caption == current) {
      item.Checked = true;
      menu.Label = std::to_string(item.Caption);
    }
  }
  return menu;
}

}  // namespace brolt::editor
