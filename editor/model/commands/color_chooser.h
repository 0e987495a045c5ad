#pragma once
// Choosing one colour with the colour picker: the colour buttons of the level properties and the
// preferences dialogs open it preset with their own colour.
#include <array>
#include <string>
#include <string_view>

namespace brolt::editor {

// The colour picker as the chooser drives it: three bars for red, green and blue, 0..255.
class ColorPicker {
 public:
  virtual ~ColorPicker() = default;
  virtual void SetBars(int red, int green, int blue) = 0;
  // Shows the picker modally; true when the designer accepted it.
  virtual bool RunPicker() = 0;
  virtual std::array<int, 3> Bars() const = 0;
};

// The chosen colour with every component written with three digits, such as "255,000,010", or ""
// when the picker was cancelled, so that the caller keeps its colour.
std::string ChooseColor(ColorPicker& picker, std::string_view colour);

}  // namespace brolt::editor
