#pragma once
// The canvas's mouse pointer: by tool, and the hourglass around long operations.
#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kDefaultPointer = 0;
constexpr int kArrowPointer = 1;
constexpr int kCrossPointer = 2;
constexpr int kSizeAllPointer = 5;
constexpr int kHourglassPointer = 11;
constexpr int kNoDropPointer = 12;

// The canvas takes the pointer; the hourglass and the default also apply to the whole main window.
void SetMousePointer(Editor& editor, int pointer);

// The arrow for the selector, the cross for every painting tool.
void SetToolPointer(Editor& editor);

// Shows the hourglass for its lifetime and the default pointer after, on every way out.
class BusyPointer {
 public:
  explicit BusyPointer(Editor& editor) : editor_(editor) { SetMousePointer(editor_, kHourglassPointer); }
  ~BusyPointer() { SetMousePointer(editor_, kDefaultPointer); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Editor& editor_;
};

}  // namespace brolt::editor
