#include "editor/model/canvas/mouse_pointer.h"

#include "editor/model/tools/tool_state.h"

namespace brolt::editor {

void SetMousePointer(Editor& editor, int pointer) {
  editor.preview.CanvasPointer = static_cast<std::int16_t>(pointer);
  editor.ui.canvas->SetPointer(pointer);
  if (pointer == kHourglassPointer || pointer == kDefaultPointer) editor.ui.window->SetMousePointer(pointer);
}

void SetToolPointer(Editor& editor) {
  SetMousePointer(editor, editor.tools.CurrentTool == kSelectorTool ? kArrowPointer : kCrossPointer);
}

}  // namespace brolt::editor
