#pragma once
// The mouse on the canvas: every press, move, release and double click reaches the tools, the
// selection, paste mode, the S picker and the preview start marker through these, by tool, button
// and held key. Positions are canvas pixels; `button` is 1 left, 2 right, 4 middle (in a move the
// buttons held, 0 for none); `shift` is the modifiers held, 0 for none.
#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

inline constexpr const char* kPasteModeHint =
    "YOU ARE IN PASTE MODE... Left-click to paste selection or right-click to exit this mode.";
inline constexpr const char* kEraseModeHint = "YOU ARE IN ERASE MODE...";
inline constexpr const char* kPickModeHint = "YOU ARE IN SPUNGE MODE...";
inline constexpr const char* kPasteTip = " LMB to paste, RMB to cancel. ";
inline constexpr const char* kStartMarkerTip = " Preview Start - Double click to remove ";

void Level_MouseDown(Editor& editor, int button, int shift, float x, float y);
void Level_MouseMove(Editor& editor, int button, int shift, float x, float y);
// A brush stroke or a fill click becomes one undo step here, however many cells it painted.
void Level_MouseUp(Editor& editor, int button, int shift, float x, float y);
// With the selector, selects every cell like the one under the pointer.
void Level_DblClick(Editor& editor);
// The pointer over the viewport beside the level.
void LevelBack_MouseMove(Editor& editor);

// The preview start marker, placed over its cell: whether canvas pixel (x, y) falls on it; the
// pointer resting on it shows its hint, a double click removes it.
bool IsOverStartMarker(const Editor& editor, float x, float y);
void preStart_MouseMove(Editor& editor);
void preStart_DblClick(Editor& editor);

}  // namespace brolt::editor
