#pragma once
// The window controls of the tool bar and the tool panel, put in front of the main window's own:
// each call reaches the main window, which shows its own controls and the menu items, and, where it
// concerns them, these widgets too.
#include "editor/model/window/window_controls.h"

class QMenuBar;
class QWidget;

namespace brolt::editor {

class ToolBar;
class ToolPanel;

struct PanelWidgets {
  ToolBar& toolBar;
  ToolPanel& toolPanel;
  QMenuBar& menuBar;
  QWidget& canvas;  // takes the focus
};

class PanelControls : public WindowControls {
 public:
  PanelControls(WindowControls& mainWindow, const PanelWidgets& widgets) : main_(mainWindow), widgets_(widgets) {}

  void ShowStatusText(std::string_view text, int index, bool bold, bool italic, std::int32_t colour) override {
    main_.ShowStatusText(text, index, bold, italic, colour);
  }
  void SetMousePointer(int pointer) override { main_.SetMousePointer(pointer); }
  void ShowTileCounter(int tile, int count) override { main_.ShowTileCounter(tile, count); }
  void ShowDeveloperItems(bool visible) override { main_.ShowDeveloperItems(visible); }
  bool IsMainWindowVisible() override { return main_.IsMainWindowVisible(); }
  void ShowZoom(std::string_view text) override;
  void CheckZoomMenuItem(int index) override { main_.CheckZoomMenuItem(index); }
  void CheckGridMenuItem(bool checked) override { main_.CheckGridMenuItem(checked); }
  void SetBrushSizeRange(int maximum, int largeChange) override;
  std::pair<int, int> ToolPanelHeights() override { return main_.ToolPanelHeights(); }
  void SetToolScrollMax(int maximum) override { main_.SetToolScrollMax(maximum); }
  void ShowThicknessMenu(const ThicknessMenu& menu) override;
  void EnableToolControl(ToolControl control, bool enabled) override;
  void ShowCurrentTool(int tool) override;
  void ShowPaletteMarker(bool shown, int tile) override { main_.ShowPaletteMarker(shown, tile); }
  void ShowTilePreview(bool secondary, int tile, int direction) override;
  void ShowSaturation(int percent, std::string_view caption) override;
  void ShowBrushSize(int value) override;
  void SetMinimapPointer(int pointer) override { main_.SetMinimapPointer(pointer); }
  void ShowLevelCaption(std::string_view title, std::string_view number, std::string_view file) override {
    main_.ShowLevelCaption(title, number, file);
  }
  void DropDownLevelList() override { main_.DropDownLevelList(); }
  void ShowRecentLevels(const std::vector<std::string>& captions) override { main_.ShowRecentLevels(captions); }
  void ShowPasteModeMenus(bool pasteMode) override { main_.ShowPasteModeMenus(pasteMode); }
  void PaintBorders() override;
  void EndProgram() override { main_.EndProgram(); }
  void HideBrushOutline() override { main_.HideBrushOutline(); }
  int MainWindowState() const override { return main_.MainWindowState(); }
  void SetMainWindowState(int state) override { main_.SetMainWindowState(state); }
  void ReadMainWindowPlacement(WindowPlacement& placement) const override { main_.ReadMainWindowPlacement(placement); }
  void PopUpEditMenu() override { main_.PopUpEditMenu(); }
  bool HelpOrSplashShown() override { return main_.HelpOrSplashShown(); }
  void FocusCanvas() override;
  bool LevelDropDownShown() const override { return main_.LevelDropDownShown(); }
  void Pause(double seconds) override;
  void ShowOverwrite(bool on) override;

 private:
  WindowControls& main_;
  PanelWidgets widgets_;
};

}  // namespace brolt::editor
