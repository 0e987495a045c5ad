#include "editor/ui/main_window/panel_controls.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QWidget>

#include "editor/ui/boxes/pause.h"
#include "editor/ui/main_window/menu_lookup.h"
#include "editor/ui/main_window/tool_bar.h"
#include "editor/ui/main_window/tool_panel.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

void PanelControls::ShowZoom(std::string_view text) {
  widgets_.toolBar.ShowZoom(ToQString(text));
}

void PanelControls::SetBrushSizeRange(int maximum, int largeChange) {
  widgets_.toolPanel.SetBrushSizeRange(maximum, largeChange);
}

void PanelControls::ShowThicknessMenu(const ThicknessMenu& menu) {
  main_.ShowThicknessMenu(menu);
  if (!menu.Label.empty()) widgets_.toolBar.ShowThickness(ToQString(menu.Label));
}

void PanelControls::EnableToolControl(ToolControl control, bool enabled) {
  main_.EnableToolControl(control, enabled);
  if (control == ToolControl::Thickness) widgets_.toolBar.EnableThickness(enabled);
  if (control == ToolControl::Saturation) widgets_.toolBar.EnableSaturation(enabled);
  if (control == ToolControl::BrushSizeBar) widgets_.toolPanel.EnableBrushSize(enabled);
}

void PanelControls::ShowCurrentTool(int tool) {
  main_.ShowCurrentTool(tool);
  widgets_.toolPanel.ShowCurrentTool(tool);
}

void PanelControls::PaintBorders() {
  main_.PaintBorders();
  widgets_.toolBar.PaintBorders();
  widgets_.toolPanel.PaintBorders();
}

void PanelControls::ShowTilePreview(bool secondary, int tile, int direction) {
  widgets_.toolPanel.ShowTilePreview(secondary, tile, direction);
}

void PanelControls::ShowSaturation(int percent, std::string_view caption) {
  main_.ShowSaturation(percent, caption);
  widgets_.toolBar.ShowSaturation(ToQString(caption));
}

void PanelControls::ShowBrushSize(int value) {
  widgets_.toolPanel.ShowBrushSize(value);
}

// The canvas can't take the focus while a dialog is up; it then stays where it is.
void PanelControls::FocusCanvas() {
  main_.FocusCanvas();
  if (QApplication::activeModalWidget() == nullptr) widgets_.canvas.setFocus();
}

void PanelControls::Pause(double seconds) { brolt::editor::Pause(seconds); }

void PanelControls::ShowOverwrite(bool on) {
  widgets_.toolPanel.ShowOverwrite(on);
  if (QAction* item = FindMenuItem(widgets_.menuBar, "mnuToolsOverwrite")) item->setChecked(on);
}

}  // namespace brolt::editor
