#pragma once
// The colour picker's shade and saturation levels. They outlive each use of the picker, as its
// window stays loaded between uses, and go back to their first values when a change of the colour
// preferences has every dialog loaded anew.
namespace brolt::editor {

struct ColorPickerState {
  int ShadeLevel = 255;       // L, 0..255: the triangle's corners at full brightness
  int SaturationLevel = 191;  // S, 0..255: the saturation marker a quarter down its bar
};

}  // namespace brolt::editor
