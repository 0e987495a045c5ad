#include "editor/model/commands/color_chooser.h"

#include "common/numeric.h"
#include "editor/model/services/colour_scheme.h"

namespace brolt::editor {

std::string ChooseColor(ColorPicker& picker, std::string_view colour) {
  picker.SetBars(GetColorComponent(colour, true, false, false).value_or(0), GetColorComponent(colour, false, true, false).value_or(0),
                 GetColorComponent(colour, false, false, true).value_or(0));
  if (!picker.RunPicker()) return {};
  const std::array<int, 3> bars = picker.Bars();
  return PadNumber(bars[0], 3) + ',' + PadNumber(bars[1], 3) + ',' + PadNumber(bars[2], 3);
}

}  // namespace brolt::editor
