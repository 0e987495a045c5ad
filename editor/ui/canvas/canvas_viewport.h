#pragma once
// The part of the canvas viewport that shows the level, beside the scroll bars: repainting it never
// repaints the bars. Its top left corner shows the cell at the view origin.
#include <QLabel>
#include <QWidget>

#include "editor/model/editor.h"
#include "editor/ui/canvas/scaled_tile_pictures.h"

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
  // Paste mode's hint shown beside the pointer, or hidden, as the rules left it.
  void ShowPasteTip();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Editor& editor_;
  ScaledTilePictures pictures_;
  QLabel* tipLabel_;
};

}  // namespace brolt::editor
