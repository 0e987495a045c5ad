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
  virtual void ViewMoved() {}
  // The brush outline, marquee, box outlines (CanvasPreview) or the minimap box moved, showed or hid.
  virtual void RedrawOverlays() {}
  // Paste mode's tip showed, hid or followed the pointer: nothing under it needs repainting.
  virtual void PasteTipChanged() {}
  // The scroll bars' ranges and values, and the minimap.
  virtual void ScrollBarsChanged() {}
  virtual void RedrawMiniLevel() {}
  virtual void RedrawMiniDot(int /*x*/, int /*y*/) {}
  // The pointer over the canvas: 0 default, 1 arrow, 2 cross, 5 size-all, 11 hourglass.
  virtual void SetPointer(int /*pointer*/) {}
};

}  // namespace brolt::editor
