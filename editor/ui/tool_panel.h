#pragma once
// The tool panel at the main window's side: the seven tool buttons, the overwrite box, the brush
// size bar, the previews of the primary and secondary tile, and the tile palette scrolling in its
// frame.
#include <QWidget>
#include <array>
#include <utility>

#include "editor/model/editor.h"
#include "editor/ui/tileset_pictures.h"

class QCheckBox;
class QLabel;
class QMenuBar;
class QScrollBar;
class QToolButton;

namespace brolt::editor {

class ControlHelp;
class TilePalette;

class ToolPanel : public QWidget {
 public:
  static constexpr int kToolCount = 7;

  ToolPanel(Editor& editor, const QMenuBar& menuBar, const TilesetPictures& pictures, QWidget* parent = nullptr);

  // What the rules show here.
  void ShowCurrentTool(int tool);
  void ShowTilePreview(bool secondary, int tile, int direction);
  void ShowPaletteMarker(bool shown, int tile);
  void ShowOverwrite(bool on);
  void ShowBrushSize(int value);
  void SetBrushSizeRange(int maximum, int largeChange);
  void EnableBrushSize(bool enabled);
  // The palette's and its frame's heights, and the palette bar's range.
  std::pair<int, int> PaletteHeights() const;
  void SetPaletteScrollMax(int maximum);

  QToolButton* ToolButton(int tool) const { return cmdTool_[static_cast<std::size_t>(tool)]; }
  QCheckBox* OverwriteBox() const { return chkOverwrite_; }
  QScrollBar* BrushSizeBar() const { return cmdTool1SizeX_; }
  QLabel* Preview(bool secondary) const { return secondary ? picPreTile_RMB_ : picPreTile_; }
  TilePalette* Palette() const { return panTools_; }
  QScrollBar* PaletteBar() const { return scrTools_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void AddToolButtons();
  QLabel* AddPreview(int left, int top, const QString& caption, const std::string& tip, const std::string& helpKey);
  void AddPalette();
  void ToolPressed(int tool);
  void TilePressed(int code, Qt::MouseButton button);
  void TileReleased(Qt::MouseButton button);
  void TileHovered(int code);
  void BrushSizeDragged(int value);

  Editor& editor_;
  const QMenuBar& menuBar_;
  const TilesetPictures& pictures_;
  ControlHelp* help_;
  std::array<QToolButton*, kToolCount> cmdTool_{};
  QCheckBox* chkOverwrite_ = nullptr;
  QScrollBar* cmdTool1SizeX_ = nullptr;
  QLabel* picPreTile_ = nullptr;
  QLabel* picPreTile_RMB_ = nullptr;
  QWidget* panToolsFrame_ = nullptr;
  TilePalette* panTools_ = nullptr;
  QScrollBar* scrTools_ = nullptr;
};

}  // namespace brolt::editor
