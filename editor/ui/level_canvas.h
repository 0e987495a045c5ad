#pragma once
// The canvas viewport (LevelBack): shows the level from the view origin at the current zoom, with
// the scroll bars along its right and bottom edges. It paints only what it shows, so a level of any
// zoom costs no more than the viewport. It is the rules' CanvasSurface; minimap notifications go on
// to the minimap when one is attached.
#include <QWidget>

#include "editor/model/canvas_surface.h"
#include "editor/model/editor.h"
#include "editor/ui/scaled_tile_pictures.h"
#include "editor/ui/tileset_pictures.h"

namespace brolt::editor {

class MiniLevel;
class ViewScrollBar;

class LevelCanvas : public QWidget, public CanvasSurface {
  Q_OBJECT

 public:
  LevelCanvas(Editor& editor, const TilesetPictures& pictures, QWidget* parent = nullptr);

  void AttachMiniLevel(MiniLevel* miniLevel) { miniLevel_ = miniLevel; }
  // After the tileset pictures were built again.
  void PicturesChanged();

  ViewScrollBar& ScrX() { return *scrX_; }
  ViewScrollBar& ScrY() { return *scrY_; }

  // Canvas pixels of the widget's top left corner.
  QPoint CanvasOrigin() const;

  void RedrawCell(int x, int y) override;
  void RedrawLevel() override;
  void RedrawSelection() override;
  void ViewMoved() override;
  void RedrawOverlays() override;
  void ScrollBarsChanged() override;
  void RedrawMiniLevel() override;
  void RedrawMiniDot(int x, int y) override;
  void SetPointer(int pointer) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateMiniLevel(const QRect& area);

  Editor& editor_;
  ScaledTilePictures pictures_;
  ViewScrollBar* scrX_;
  ViewScrollBar* scrY_;
  QWidget* corner_;
  MiniLevel* miniLevel_ = nullptr;
};

}  // namespace brolt::editor
