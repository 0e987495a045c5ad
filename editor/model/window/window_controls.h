#pragma once
// The main window's controls that the rules set: status texts, captions, menu states, pointers and
// the tile counter. The Qt main window implements this; tests record the calls. Defaults do nothing.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/model/services/preferences.h"

namespace brolt::editor {

// The thickness menu's items 1 to 15 (index 0 is item 1), and the text of the thickness label;
// an empty label leaves the label as it is.
struct ThicknessItem {
  int Caption = 0;
  bool Visible = false;
  bool Checked = false;
};
struct ThicknessMenu {
  std::array<ThicknessItem, 15> Items{};
  std::string Label;
};

constexpr std::int32_t kStatusWhite = 0xFFFFFF;

// Menu items and tool-panel controls whose enabled state follows the current tool.
enum class ToolControl {
  ToolsRotate,           // turning the primary tile
  ToolsRotateSecondary,  // turning the secondary tile
  EditCopy,
  EditCut,
  EditRotateMenu,  // turning the selection
  EditPaste,
  EditDeleteSelected,
  EditInvertSelection,
  EditSelectAll,
  SelectTilesOnly,
  EditClearLevel,
  Thickness,     // the thickness menu, its button and its label
  Saturation,    // the saturation menu, its button and its label
  BrushSizeBar,  // the brush size or thickness scroll bar
};

class WindowControls {
 public:
  virtual ~WindowControls() = default;
  // Status panel 0..3: the text, bold and italic, colour as 0xBBGGRR.
  virtual void ShowStatusText(std::string_view /*text*/, int /*index*/, bool /*bold*/, bool /*italic*/,
                              std::int32_t /*colour*/) {}
  // 11 hourglass, 0 default, 1 arrow, 2 cross, 5 size-all.
  virtual void SetMousePointer(int /*pointer*/) {}
  virtual void ShowTileCounter(int /*tile*/, int /*count*/) {}
  virtual void ShowDeveloperItems(bool /*visible*/) {}
  // The view controls that follow the zoom, the window's size and the tool.
  virtual bool IsMainWindowVisible() { return true; }
  virtual void ShowZoom(std::string_view /*text*/) {}
  // Checks item `index` of the zoom menu alone; -1 checks the custom item.
  virtual void CheckZoomMenuItem(int /*index*/) {}
  // The tick of "Show Grid".
  virtual void CheckGridMenuItem(bool /*checked*/) {}
  // The brush-size bar's maximum; a large change of 0 leaves its large change as it is.
  virtual void SetBrushSizeRange(int /*maximum*/, int /*largeChange*/) {}
  // Heights in pixels of the tile palette and of the frame it scrolls in.
  virtual std::pair<int, int> ToolPanelHeights() { return {0, 0}; }
  virtual void SetToolScrollMax(int /*maximum*/) {}
  virtual void ShowThicknessMenu(const ThicknessMenu& /*menu*/) {}

  // The tool panel and the tile previews, as tool and tile selection leave them.
  virtual void EnableToolControl(ToolControl /*control*/, bool /*enabled*/) {}
  // Presses the tool's button, moves the tool marker over it and checks its menu item.
  virtual void ShowCurrentTool(int /*tool*/) {}
  // Moves the palette marker over the tile's button and shows it, or hides it and presses the empty
  // tile's button.
  virtual void ShowPaletteMarker(bool /*shown*/, int /*tile*/) {}
  // The primary or secondary tile's preview, turned to its direction.
  virtual void ShowTilePreview(bool /*secondary*/, int /*tile*/, int /*direction*/) {}
  // Checks the saturation menu's item for the percent, when it has one, and shows the caption.
  virtual void ShowSaturation(int /*percent*/, std::string_view /*caption*/) {}
  // The brush size or thickness scroll bar's value.
  virtual void ShowBrushSize(int /*value*/) {}
  virtual void SetMinimapPointer(int /*pointer*/) {}

  // The level and its collection: captions, the roll-down list, the recent menu, paste mode's menus.
  virtual void ShowLevelCaption(std::string_view /*title*/, std::string_view /*number*/,
                                std::string_view /*file*/) {}
  // Drops the level roll-down list down; its entries are Editor::collections' DropDown fields.
  virtual void DropDownLevelList() {}
  // The recent levels' menu captions, newest first; none hides the entries and their separator.
  virtual void ShowRecentLevels(const std::vector<std::string>& /*captions*/) {}
  // True shows only "Exit Paste Mode" on the menu bar; false the five menus again.
  virtual void ShowPasteModeMenus(bool /*pasteMode*/) {}
  // After the colour preferences change: repaint the borders.
  virtual void PaintBorders() {}
  // Ends the program once the exit has cleaned up.
  virtual void EndProgram() {}
  // Hides the brush square drawn over the canvas, as after a turned cell is drawn again.
  virtual void HideBrushOutline() {}
  // The canvas's pop-up menu over a selected cell: the Edit menu at the pointer.
  virtual void PopUpEditMenu() {}
  // True while the help window or the splash and about window is up: the canvas ignores the mouse.
  virtual bool HelpOrSplashShown() { return false; }
  // The main window's state as the preferences speak of it: 0 normal, 2 maximized.
  virtual int MainWindowState() const { return 0; }
  virtual void SetMainWindowState(int /*state*/) {}
  // Takes the main window's state, and while it is normal its client area's left, top, width and
  // height: the terms the start-up restores it with. Without a window the placement stays.
  virtual void ReadMainWindowPlacement(WindowPlacement& /*placement*/) const {}

  // The keyboard, the timer and the tool panel's share of the window.
  // The canvas takes the keyboard focus, which also closes the level roll-down list.
  virtual void FocusCanvas() {}
  virtual bool LevelDropDownShown() const { return false; }
  // Returns after `seconds`, letting window events run meanwhile.
  virtual void Pause(double /*seconds*/) {}
  // The overwrite check box and the check mark of its menu item.
  virtual void ShowOverwrite(bool /*on*/) {}
};

}  // namespace brolt::editor
