#pragma once
// The outlines that the tools place over the canvas, in canvas pixels. The canvas paints them from
// here; a tool that moves one asks the canvas to repaint its overlays.
#include <array>

namespace brolt::editor {

struct CanvasShape {
  bool Visible = false;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct CanvasLine {
  bool Visible = false;
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
};

struct CanvasOverlays {
  CanvasShape shpSelect;   // the brush outline: the cells the next stroke paints
  CanvasShape shpSelectX;  // the row band under the brush
  CanvasShape shpSelectY;  // the column band under the brush
  std::array<CanvasShape, 2> shpSquare;  // the box tool's outer and inner outline
  CanvasShape shpMultiSelect;            // the selection marquee
  CanvasLine shpLine;                    // the line tool's preview
};

}  // namespace brolt::editor
