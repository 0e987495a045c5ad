#pragma once
// Hands the canvas viewport's mouse events to the canvas rules in canvas pixels: presses, moves,
// releases and double clicks over the level, and moves over the grey viewport beside it. A drag
// that began on the level stays with the level wherever the pointer goes; one that began on the
// preview start marker stays with the marker.
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
  // A button went down on the preview start marker and is not yet released.
  bool markerHeld_ = false;
};

}  // namespace brolt::editor
