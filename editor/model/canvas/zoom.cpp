#include "editor/model/canvas/zoom.h"

#include <algorithm>
#include <exception>
#include <string>

#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/canvas_redraw.h"
#include "editor/model/canvas/draw_selection_boxes.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/selection_marks.h"
#include "editor/model/window/hide_selector.h"

namespace brolt::editor {

namespace {

constexpr int kZoomFailed = 1;

// Runs the steps of a zoom change: a failing step is skipped and remembered, the next one runs.
class ZoomSteps {
 public:
  template <typename Step>
  void operator()(Step&& step) {
    try {
      step();
    } catch (const std::exception& error) {
      Remember(error.what());
    } catch (...) {
      Remember("");
    }
  }
  bool Failed() const { return failed_; }
  const std::string& Error() const { return error_; }

 private:
  void Remember(const char* description) {
    if (failed_) return;
    failed_ = true;
    error_ = *description != '\0' ? description : "The view could not be rebuilt";
  }
  bool failed_ = false;
  std::string error_;
};

ZoomSteps ApplyZoom(Editor& editor, int zoom) {
  ViewState& view = editor.view;
  ZoomSteps step;
  step([&] { CancelPasteMode(editor); });
  step([&] { SetMousePointer(editor, kHourglassPointer); });
  view.ViewChanging = true;
  view.TileSize = static_cast<float>(zoom);
  view.LevelExtent = RoundToInt32(view.TileSize * kLevelSize);
  step([&] { HideSelector(editor); });
  step([&] { ClearSelection(editor, false); });
  step([&] { DrawSelectionBoxes(editor); });
  step([&] { RedrawLevel(editor); });
  step([&] { ScrollTo(editor, view.ViewX, view.ViewY); });
  step([&] { RefreshViewControls(editor); });
  view.ViewChanging = false;
  step([&] { editor.ui.window->ShowZoom(std::to_string(zoom)); });
  step([&] { editor.ui.window->CheckZoomMenuItem(ZoomMenuItemFor(zoom)); });
  step([&] { SetMousePointer(editor, kDefaultPointer); });
  return step;
}

}  // namespace

int ZoomMenuItemFor(int zoom) {
  for (int item = 0; item < kZoomMenuItems; ++item) {
    if (ZoomOfMenuItem(item) == zoom) return item;
  }
  return -1;
}

void SetZoom(Editor& editor, int zoom) {
  if (zoom < kMinZoom || zoom > kMaxZoom) return;
  const int previous = std::clamp(CellPixels(editor.view), kMinZoom, kMaxZoom);
  const ZoomSteps steps = ApplyZoom(editor, zoom);
  if (steps.Failed()) {
    // One return to the zoom that worked; should that fail too, the report below still comes.
    ApplyZoom(editor, previous);
    ShowErrorMessage(editor, kZoomFailed, steps.Error(),
                     "The zoom stays at " + std::to_string(previous) + " pixels per cell.");
  }
  editor.prefs.ZoomPreference = static_cast<std::int16_t>(RoundToInt32(editor.view.TileSize));
}

}  // namespace brolt::editor
