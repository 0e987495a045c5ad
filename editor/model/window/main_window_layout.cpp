#include "editor/model/window/main_window_layout.h"

#include "common/numeric.h"
#include "editor/model/collections/load_dialog_rules.h"

namespace brolt::editor {

namespace {

// A control whose computed width or height is negative can't be placed.
LaidOut Place(int left, int top, int width, int height) {
  if (width < 0 || height < 0) return std::nullopt;
  return LayoutRect{left, top, width, height};
}

LaidOut FrameAround(const LaidOut& control) {
  if (!control) return std::nullopt;
  return LayoutRect{control->Left - 2, control->Top - 2, control->Width + 4, control->Height + 4};
}

void LayOutStatusFields(MainWindowLayout& layout, int width) {
  int left = width;
  for (std::size_t field = 3; field >= 1; --field) {
    left -= kStatusFieldWidths[field] + 2;
    layout.StatusFields[field] = LayoutRect{left, 0, kStatusFieldWidths[field], 0};
  }
  layout.StatusFields[0] = Place(2, 0, width - 2 - 2, 0);
}

void LayOutLevelLabels(MainWindowLayout& layout, int width) {
  const int left = kLevelLabelsFrameLeft;
  layout.LevelLabelsFrame = Place(left, 0, width - left - 6, 0);
  if (!layout.LevelLabelsFrame) return;
  const int frameWidth = layout.LevelLabelsFrame->Width;
  layout.LevelTitle = Place(left + 6, 0, frameWidth - 10 - kLevelNumberWidth, 0);
  layout.LevelNumber =
      LayoutRect{left + 6 + frameWidth - 10 - kLevelNumberWidth - 2 - kDropDownWidth - 1, 0, kLevelNumberWidth, 0};
  layout.DropDown = LayoutRect{left + 6 + frameWidth - 6 - kDropDownWidth - 2, 0, kDropDownWidth, 0};
}

}  // namespace

LayoutRect LevelRollDownArea(const LayoutRect& title, int numberWidth, int windowHeight) {
  return {3 + title.Left + numberWidth + title.Width - kLoadLevelListWidth, title.Top - 4, kLoadLevelListWidth,
          RoundToInt32(windowHeight / 1.2)};
}

MainWindowLayout LayOutMainWindow(int width, int height, int toolsBackTop) {
  MainWindowLayout layout;
  const int mini = kMiniLevelSide;
  layout.MiniLevel = LayoutRect{width - mini - 8, kToolBarHeight + 4, mini, mini};
  layout.Frames[1] = FrameAround(layout.MiniLevel);
  layout.LevelBack = Place(kLevelBackLeft, kToolBarHeight + 4, width - mini - 26,
                           height - kStatusBarHeight - kToolBarHeight - 8);
  layout.Frames[0] = FrameAround(layout.LevelBack);

  const LayoutRect& column = *layout.MiniLevel;
  layout.CmdTools = LayoutRect{column.Left, column.Top + column.Height + 12, mini, kToolPanelHeight};
  layout.Frames[2] = FrameAround(layout.CmdTools);
  layout.ToolsBack = Place(column.Left, layout.CmdTools->Top + kToolPanelHeight + 12, mini,
                           height - toolsBackTop - kStatusBarHeight - kToolBarHeight + 27);
  if (layout.ToolsBack) {
    layout.ToolsFrameHeight = layout.ToolsBack->Height;
    const int scrollHeight = layout.ToolsBack->Height - kToolsScrollTop - 3;
    if (scrollHeight >= 0) layout.ToolsScrollHeight = scrollHeight;
  }
  layout.Frames[3] = FrameAround(layout.ToolsBack);

  LayOutStatusFields(layout, width);
  LayOutLevelLabels(layout, width);
  return layout;
}

}  // namespace brolt::editor
