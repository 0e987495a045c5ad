#pragma once
// The zoom: pixels per cell on the canvas, 1 to 100.
#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 100;

// The zoom menu's items: item i means (i + 2) x 5 pixels per cell, 10 to 45.
constexpr int kZoomMenuItems = 8;
constexpr int ZoomOfMenuItem(int item) { return (item + 2) * 5; }

// The zoom menu item that shows a zoom, or -1 for the custom item.
int ZoomMenuItemFor(int zoom);

// Sets the zoom and rebuilds the view around the same origin cell. A zoom outside 1..100 changes
// nothing. When a step fails the others still run; the zoom then returns once to the one it had
// and the failure is reported.
void SetZoom(Editor& editor, int zoom);

}  // namespace brolt::editor
