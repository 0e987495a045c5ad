#pragma once
// The tile palette: one picture button per catalogue tile, four to a row in table order, on a strip
// that the main window scrolls inside its tool panel. Pressing, releasing and moving over a button
// are reported with the tile's code; what they do is the main window's business.
#include <QAbstractButton>
#include <QWidget>
#include <map>

#include "editor/model/services/tile_catalogue.h"
#include "editor/ui/canvas/tileset_pictures.h"

namespace brolt::editor {

class FrameShape;

class TilePalette : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kButtonSize = 33;
  static constexpr int kMargin = 2;         // left of the first column, top of the first row
  static constexpr int kColumnPitch = 35;   // from one button's left to the next one's
  static constexpr int kColumns = 4;
  static constexpr int kRowScrollPixels = 37;  // the strip moves this far per step of its scroll bar

  TilePalette(const TileCatalogue& catalogue, const TilesetPictures& pictures, QWidget* parent = nullptr);

  // The button of a tile code, or nullptr when the catalogue has no such tile.
  QAbstractButton* TileButton(int code) const;
  // The marker (shpToolSelect) over the tile's button, or hidden.
  void ShowMarker(bool shown, int code);
  void SetMarkerColour(const QColor& colour);

 signals:
  void TileMouseDown(int code, Qt::MouseButton button);
  void TileMouseUp(int code, Qt::MouseButton button);
  void TileMouseMove(int code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<int, QAbstractButton*> buttons_;
  FrameShape* marker_;
};

}  // namespace brolt::editor
