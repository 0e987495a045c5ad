#pragma once
// The canvas viewport (LevelBack): the level from the view origin at the current zoom, with the
// scroll bars along its right and bottom edges. Only what it shows is painted, so a level at any
// zoom costs no more than the viewport. It is the rules' CanvasSurface; minimap notifications go on
// to the minimap when one is attached.
#include <QWidget>

#include "editor/model/editor.h"
#include "editor/model/window/canvas_surface.h"
#include "editor/ui/canvas/tileset_pictures.h"

namespace brolt::editor {

class CanvasViewport;
class MiniLevel;
class ViewScrollBar;

class LevelCanvas : public QWidget, public CanvasSurface {
  Q_OBJECT

 public:
  static constexpr int kScrollBarThickness = 11;

  LevelCanvas(Editor& editor, const TilesetPictures& pictures, QWidget* parent = nullptr);

  void AttachMiniLevel(MiniLevel* miniLevel) { miniLevel_ = miniLevel; }
  // After the tileset pictures were built again.
  void PicturesChanged();
  // The square between the two scroll bars takes the window's border colour.
  void SetCornerColour(const QColor& colour);

  ViewScrollBar& ScrX() { return *scrX_; }
  ViewScrollBar& ScrY() { return *scrY_; }

  // Where the level shows, beside the bars; the canvas' mouse events arrive there.
  CanvasViewport& Viewport() { return *viewport_; }

  void RedrawCell(int x, int y) override;
  void RedrawLevel() override;
  void RedrawSelection() override;
  void ViewMoved() override;
  void RedrawOverlays() override;
  void PasteTipChanged() override;
  void ScrollBarsChanged() override;
  void RedrawMiniLevel() override;
  void RedrawMiniDot(int x, int y) override;
  void SetPointer(int pointer) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateMiniLevel(const QRect& area);

  Editor& editor_;
  CanvasViewport* viewport_;
  ViewScrollBar* scrX_;
  ViewScrollBar* scrY_;
  QWidget* corner_;
  MiniLevel* miniLevel_ = nullptr;
};

}  // namespace brolt::editor
