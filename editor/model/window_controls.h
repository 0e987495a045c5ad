#pragma once
// The main window's controls that the rules set: status texts, captions, menu states, pointers and
// the tile counter. The Qt main window implements this; tests record the calls. Defaults do nothing.
#include <cstdint>
#include <string>
#include <string_view>

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
  // Hides the brush square drawn over the canvas, as after a turned cell is drawn again.
  virtual void HideBrushOutline() {}
  // The main window's state as the preferences speak of it: 0 normal, 2 maximized.
  virtual int MainWindowState() const { return 0; }
  virtual void SetMainWindowState(int /*state*/) {}
};

}  // namespace brolt::editor
