#pragma once
// Paints part of the level canvas from the model: black background, the grid, the cells'
// pictures, the preview-start marker, the selection markers and the tools' outlines. Only the
// cells inside the area are visited, so a repaint costs what the viewport shows at any zoom.
#include <QPainter>
#include <QRect>

#include "editor/model/editor.h"
#include "editor/ui/canvas/scaled_tile_pictures.h"

namespace brolt::editor {

// `area` is in canvas pixels, and the painter draws in canvas pixels.
void PaintCanvas(QPainter& painter, const Editor& editor, ScaledTilePictures& pictures, const QRect& area);

}  // namespace brolt::editor
