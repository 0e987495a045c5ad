#pragma once
// The editor's main window: the menu bar, the tool bar strip with the level labels and the tile
// counter, the canvas and its minimap, the tool panel, the tile palette and the status bar, laid out
// anew at every resize and framed in the preference colours. It is the rules' WindowControls.
//
// The tool bar's command buttons and the tool panel's controls are added into ToolBar() and
// ToolPanel() by their own code, and shown by the window controls put in front of this window's
// (PanelControls); this window shows its own controls and the menu items, found by control name
// (objectName) through MenuItem().
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QToolButton>

#include "editor/model/editor.h"
#include "editor/model/window/main_window_layout.h"
#include "editor/ui/boxes/help_window_host.h"
#include "editor/ui/canvas/tileset_pictures.h"
#include "editor/ui/qt/framed_panel.h"

namespace brolt::editor {

class ControlHelp;
class LevelCanvas;
class LevelRollDown;
class MiniLevel;
class TilePalette;

class MainWindow : public QMainWindow, public WindowControls, public HelpWindowHost {
  Q_OBJECT

 public:
  MainWindow(Editor& editor, const TilesetPictures& pictures);
  ~MainWindow() override;

  // After the catalogue and the tileset pictures were loaded: builds the tile palette anew.
  void TilesetLoaded();

  LevelCanvas& Canvas() { return *canvas_; }
  MiniLevel& Minimap() { return *miniLevel_; }
  TilePalette* Palette() { return palette_; }
  QWidget& ToolBar() { return *toolBar_; }      // panBar(0)
  QWidget& ToolPanel() { return *toolPanel_; }  // panCmdTools
  QAction* MenuItem(const QString& name) const;
  QMenu* EditMenu() const;
  QLabel& StatusField(int index) { return *statusFields_.at(static_cast<std::size_t>(index)); }
  // The laid-out place of a control, by its control name, in client-area pixels.
  QRect ControlGeometry(const QString& name) const;
  QColor BorderColour() const { return borderColour_; }
  QColor GridLightColour() const { return gridLightColour_; }
  bool Ended() const { return ended_; }

  // WindowControls
  void ShowStatusText(std::string_view text, int index, bool bold, bool italic, std::int32_t colour) override;
  void SetMousePointer(int pointer) override;
  void ShowTileCounter(int tile, int count) override;
  void ShowDeveloperItems(bool visible) override;
  bool IsMainWindowVisible() override { return isVisible(); }
  void CheckZoomMenuItem(int index) override;
  void CheckGridMenuItem(bool checked) override { MenuItem("mnuViewGrid")->setChecked(checked); }
  std::pair<int, int> ToolPanelHeights() override;
  void SetToolScrollMax(int maximum) override;
  void ShowThicknessMenu(const ThicknessMenu& menu) override;
  void EnableToolControl(ToolControl control, bool enabled) override;
  void ShowCurrentTool(int tool) override;
  void ShowPaletteMarker(bool shown, int tile) override;
  void ShowSaturation(int percent, std::string_view caption) override;
  void SetMinimapPointer(int pointer) override;
  void ShowLevelCaption(std::string_view title, std::string_view number, std::string_view file) override;
  void DropDownLevelList() override;
  void FocusCanvas() override;
  bool LevelDropDownShown() const override;
  void ShowRecentLevels(const std::vector<std::string>& captions) override;
  void ShowPasteModeMenus(bool pasteMode) override;
  void PaintBorders() override;
  void EndProgram() override;
  void HideBrushOutline() override;
  int MainWindowState() const override;
  void SetMainWindowState(int state) override;
  void ReadMainWindowPlacement(WindowPlacement& placement) const override;
  void PopUpEditMenu() override;
  bool HelpOrSplashShown() override;

  // HelpWindowHost
  QRect MainWindowFrame() const override { return frameGeometry(); }
  bool MainWindowEnabled() const override { return isEnabled(); }

 signals:
  // The exit has cleaned up: the program's event loop ends on this.
  void ProgramEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolBar();
  void BuildStatusBar();
  void BuildToolsBack();
  void ToolBarMouse(QObject* watched, QEvent* event);
  void LayOut();
  void ApplyLayout(const MainWindowLayout& layout);
  void Activated();
  template <typename T>
  T* Named(const QString& name) const;
  void CheckOnly(const char* array, int first, int last, int checked);

  Editor& editor_;
  const TilesetPictures& pictures_;
  FramedPanel* client_;
  FramedPanel* toolBar_;
  QWidget* statusBar_;
  LevelCanvas* canvas_;
  MiniLevel* miniLevel_;
  QWidget* toolPanel_;
  QWidget* toolsBack_;
  QWidget* toolsFrame_;
  QScrollBar* toolsScroll_;
  TilePalette* palette_ = nullptr;
  LevelRollDown* rollDown_;
  ControlHelp* help_;
  QLabel* levelTitle_;
  QLabel* levelNumber_;
  QLabel* levelFile_;
  QToolButton* dropDownButton_;
  QLabel* counterPicture_;
  QLabel* counterText_;
  std::array<QLabel*, 4> statusFields_{};
  int toolsBackTop_ = kFirstToolsBackTop;
  QColor borderColour_;
  QColor gridLightColour_;
  bool ended_ = false;
};

}  // namespace brolt::editor
