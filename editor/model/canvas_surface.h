#pragma once
// What the rules tell the canvas and minimap after they change the map or the view. The canvas
// paints from the model; these calls only say what to repaint. Defaults do nothing.
namespace brolt::editor {

class CanvasSurface {
 public:
  virtual ~CanvasSurface() = default;
  virtual void RedrawCell(int /*x*/, int /*y*/) {}
  virtual void RedrawLevel() {}
  virtual void RedrawSelection() {}
  // The brush outline, marquee, box outlines or minimap box moved, showed or hid.
  virtual void RedrawOutlines() {}
  virtual void ViewMoved() {}
};

}  // namespace brolt::editor
