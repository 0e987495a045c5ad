#pragma once
// The part of the canvas viewport that shows the level, beside the scroll bars: repainting it never
// repaints the bars. Its top left corner shows the cell at the view origin.
#include <QWidget>

#include "editor/model/editor.h"
#include "editor/ui/scaled_tile_pictures.h"

namespace brolt::editor {

class CanvasViewport : public QWidget {
  Q_OBJECT

 public:
  CanvasViewport(const Editor& editor, const TilesetPictures& pictures, QWidget* parent);

  // Canvas pixels of the widget's top left corner.
  QPoint CanvasOrigin() const;
  // Repaints a rectangle given in canvas pixels.
  void UpdateCanvasRect(const QRect& area);
  void PicturesChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Editor& editor_;
  ScaledTilePictures pictures_;
};

}  // namespace brolt::editor
