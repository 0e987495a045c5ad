#pragma once
// The minimap: the whole level at 3 pixels a cell, one dot per non-empty cell, and the box that
// marks the part of the level the canvas shows.
#include <QWidget>

#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kMiniLevelPixels = 156;

class MiniLevel : public QWidget {
  Q_OBJECT

 public:
  explicit MiniLevel(Editor& editor, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Over the preview start marker's twin, the marker's hint.
  bool event(QEvent* event) override;
  // A left press or drag moves the view; a right click opens the minimap's help.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowPointer();

  Editor& editor_;
};

}  // namespace brolt::editor
