#pragma once
// The main window's controls that the rules set: status texts, captions, menu states, pointers and
// the tile counter. The Qt main window implements this; tests record the calls. Defaults do nothing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brolt::editor {

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

  // The level and its collection: captions, the roll-down list, the recent menu, paste mode's menus.
  virtual void ShowLevelCaption(std::string_view /*title*/, std::string_view /*number*/,
                                std::string_view /*file*/) {}
  // Drops the level roll-down list down; its entries are Editor::collections' DropDown fields.
  virtual void DropDownLevelList() {}
  // The recent levels' menu captions, newest first; none hides the entries and their separator.
  virtual void ShowRecentLevels(const std::vector<std::string>& /*captions*/) {}
  // True shows only "Exit Paste Mode" on the menu bar; false the five menus again.
  virtual void ShowPasteModeMenus(bool /*pasteMode*/) {}
  // After the colour preferences change: repaint the borders, and build every dialog anew.
  virtual void PaintBorders() {}
  virtual void UnloadDialogs() {}
  // Ends the program once the exit has cleaned up.
  virtual void EndProgram() {}
};

}  // namespace brolt::editor
