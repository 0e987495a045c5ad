#include "editor/model/canvas/scrolling.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/minimap.h"
#include "editor/model/tools/brush_size.h"
#include "editor/model/tools/thickness_menu.h"
#include "editor/model/window/hide_selector.h"

namespace brolt::editor {

namespace {

constexpr int kPaletteRowPixels = 37;

// Sets a bar's maximum; like any scroll bar it pulls its value back under the new maximum, and
// reports whether it did.
bool SetScrollMax(ScrollBarState& bar, int maximum) {
  bar.Max = static_cast<std::int16_t>(maximum);
  if (bar.Value <= bar.Max) return false;
  bar.Value = bar.Max;
  return true;
}

// One axis of the view: the bar's range from the viewport's and the canvas' size in pixels.
void FitScrollBar(Editor& editor, ScrollBarState& bar, std::int16_t& origin, int viewport, int canvas) {
  const ViewState& view = editor.view;
  if (viewport >= canvas) {
    if (SetScrollMax(bar, 0)) ScrollBarChanged(editor);
    origin = 0;
    ScrollTo(editor, editor.view.ViewX, editor.view.ViewY);
    return;
  }
  const int cells = PixelToTile(view, viewport);
  bar.LargeChange = static_cast<std::int16_t>(cells + 1);
  if (SetScrollMax(bar, kMapSize - cells)) ScrollBarChanged(editor);
}

int MiniBoxSide(const ViewState& view, int viewport, int canvas) {
  return kMiniCellPixels * PixelToTile(view, canvas >= viewport ? viewport : canvas + view.TileSize);
}

// The first, at most 49, and last occupied column or row, counted the way the view centres them.
struct Span {
  int first = kLevelSize - 1;
  int last = 0;
  void Add(int cell) {
    if (cell < first) first = cell + 1;
    if (cell > last) last = cell;
  }
};

std::int16_t CentredOrigin(const ViewState& view, const Span& span, int viewport) {
  const int visible = PixelToTile(view, viewport);
  int origin = std::abs(static_cast<int>(
      std::floor(span.first + (span.last - span.first) / 2.0 - PixelToTile(view, viewport / 2.0))));
  if (span.last < kLevelSize - 1 && span.first == 1) {
    origin = 0;
  } else if (span.last == kLevelSize - 1 && span.first > kLevelSize - 1 - visible) {
    origin = kMapSize - visible;
  }
  return static_cast<std::int16_t>(origin);
}

}  // namespace

void ScrollTo(Editor& editor, std::int16_t& x, std::int16_t& y) {
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  ViewState& view = editor.view;
  HideSelector(editor);
  view.ViewChanging = true;
  if (x != view.ScrX.Value && x <= view.ScrX.Max) view.ScrX.Value = x;
  if (y != view.ScrY.Value && y <= view.ScrY.Max) view.ScrY.Value = y;
  editor.ui.canvas->ScrollBarsChanged();
  view.ViewChanging = false;
  view.ViewX = x;
  view.ViewY = y;
  view.shpMiniSelect.Left = kMiniCellPixels * x;
  view.shpMiniSelect.Top = kMiniCellPixels * y;
  editor.ui.canvas->ViewMoved();
}

void ScrollBarChanged(Editor& editor) {
  if (editor.view.ViewChanging) return;
  std::int16_t x = editor.view.ScrX.Value;
  std::int16_t y = editor.view.ScrY.Value;
  ScrollTo(editor, x, y);
}

void RefreshViewControls(Editor& editor) {
  WindowControls& window = *editor.ui.window;
  if (!window.IsMainWindowVisible()) return;
  ViewState& view = editor.view;
  const int width = view.ViewportWidth;
  const int height = view.ViewportHeight;
  const int canvas = view.LevelExtent + 1;
  view.shpMiniSelect.Width = MiniBoxSide(view, width, canvas);
  view.shpMiniSelect.Height = MiniBoxSide(view, height, canvas);

  const auto [panel, frame] = window.ToolPanelHeights();
  window.SetToolScrollMax(panel <= frame ? 0
                                         : RoundToInt32(static_cast<double>(panel) / kPaletteRowPixels -
                                                        static_cast<double>(frame) / kPaletteRowPixels + 1));

  const int brushMax = RoundToInt32((width / static_cast<double>(view.TileSize) - 1) / 2);
  window.SetBrushSizeRange(brushMax, brushMax > 3 ? RoundToInt32(brushMax / 3.0) : 0);
  // The bar's value drops with its maximum, and the brush with it, as when the bar is moved.
  if (const int reachable = std::max(1, brushMax); editor.tools.BrushSize > reachable) {
    HideSelector(editor);
    SetBrushSize(editor, reachable);
  }

  FitScrollBar(editor, view.ScrX, view.ViewX, width, canvas);
  FitScrollBar(editor, view.ScrY, view.ViewY, height, canvas);
  // An origin past a bar's end, as CenterOnLevel or a narrower view leave it, comes back to the end,
  // so that the bars, the minimap box and the canvas show the same part of the level.
  if (view.ViewX > view.ScrX.Max || view.ViewY > view.ScrY.Max) {
    std::int16_t x = std::min(view.ViewX, view.ScrX.Max);
    std::int16_t y = std::min(view.ViewY, view.ScrY.Max);
    ScrollTo(editor, x, y);
  }
  editor.ui.canvas->ScrollBarsChanged();
  editor.ui.canvas->ViewMoved();

  window.ShowThicknessMenu(BuildThicknessMenu(editor.tools.CurrentTool, editor.tools.BrushSize, brushMax));
}

void CenterOnLevel(Editor& editor) {
  Span columns;
  Span rows;
  bool occupied = false;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      if (editor.level.Cell(x, y).TileCode == 0) continue;
      occupied = true;
      columns.Add(x);
      rows.Add(y);
    }
  }
  if (!occupied) return;
  editor.view.ViewX = CentredOrigin(editor.view, columns, editor.view.ViewportWidth);
  editor.view.ViewY = CentredOrigin(editor.view, rows, editor.view.ViewportHeight);
}

}  // namespace brolt::editor
