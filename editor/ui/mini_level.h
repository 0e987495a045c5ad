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
  explicit MiniLevel(const Editor& editor, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Editor& editor_;
};

}  // namespace brolt::editor
