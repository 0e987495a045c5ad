#pragma once
// A box drawn over a picture, in that picture's pixels: the minimap's viewport box. Centred on a
// cell, its corner may fall on a half pixel.
namespace brolt::editor {

struct CanvasShape {
  bool Visible = false;
  float Left = 0;
  float Top = 0;
  int Width = 0;
  int Height = 0;
};

}  // namespace brolt::editor
