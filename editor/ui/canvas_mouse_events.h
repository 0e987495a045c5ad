#pragma once
// Hands the canvas viewport's mouse events to the canvas rules in canvas pixels: presses, moves,
// releases and double clicks over the level, and moves over the grey viewport beside it. A drag
// that began on the level stays with the level wherever the pointer goes.
#include <QObject>

#include "editor/model/editor.h"

namespace brolt::editor {

class CanvasViewport;

class CanvasMouseEvents : public QObject {
 public:
  CanvasMouseEvents(Editor& editor, CanvasViewport& viewport, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Editor& editor_;
  CanvasViewport& viewport_;
};

}  // namespace brolt::editor
