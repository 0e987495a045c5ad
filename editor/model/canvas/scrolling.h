#pragma once
// The view origin (ViewX, ViewY: the cell at the viewport's top left), the scroll bars and the
// minimap's viewport box, kept in step with the window's size, the zoom and the tool.
#include <cstdint>

#include "editor/model/editor.h"

namespace brolt::editor {

// Clamps x and y to at least 0 (the caller's variables too) and shows the view from that cell. A
// bar whose maximum is below the value stays where it is; the view moves all the same.
void ScrollTo(Editor& editor, std::int16_t& x, std::int16_t& y);

// A scroll bar's value changed (ScrX or ScrY already hold it): scrolls there, unless the change
// came from the view procedures themselves (ViewChanging).
void ScrollBarChanged(Editor& editor);

// Recomputes the minimap's viewport box, the ranges of the scroll bars, the brush-size bar and the
// tile palette's bar, and the thickness menu. Does nothing while the main window is hidden.
void RefreshViewControls(Editor& editor);

// Sets ViewX and ViewY so that the non-empty cells appear centred in the viewport; an empty level
// leaves them. The canvas moves with the next SetZoom.
void CenterOnLevel(Editor& editor);

}  // namespace brolt::editor
