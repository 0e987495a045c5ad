#pragma once
// The pointer over the canvas: the tool's own, or the hourglass around a long operation.
#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kDefaultPointer = 0;
constexpr int kArrowPointer = 1;
constexpr int kCrossPointer = 2;
constexpr int kSizeAllPointer = 5;
constexpr int kHourglassPointer = 11;

// The canvas takes the pointer; the hourglass and the default also cover the whole main window.
void SetMousePointer(Editor& editor, int pointer);

// The arrow for the selector, the cross for every other tool.
void SetToolPointer(Editor& editor);

}  // namespace brolt::editor
