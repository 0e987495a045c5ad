#pragma once
// A box drawn over a picture, in that picture's pixels: the minimap's viewport box.
namespace brolt::editor {

struct CanvasShape {
  bool Visible = false;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

}  // namespace brolt::editor
