#pragma once
// The tool panel at the main window's side (panCmdTools): the seven tool buttons, the overwrite box,
// the brush size bar and the previews of the primary and secondary tile. The tile palette below it
// is the main window's.
#include <QWidget>
#include <array>

#include "editor/model/editor.h"
#include "editor/ui/canvas/tileset_pictures.h"

class QLabel;
class QMenuBar;
class QScrollBar;
class QToolButton;

namespace brolt::editor {

class ControlHelp;
class FrameShape;

class ToolPanel : public QWidget {
 public:
  static constexpr int kToolCount = 7;

  ToolPanel(Editor& editor, const QMenuBar& menuBar, const TilesetPictures& pictures, QWidget* parent = nullptr);

  // What the rules show here.
  void ShowCurrentTool(int tool);
  void ShowTilePreview(bool secondary, int tile, int direction);
  void ShowOverwrite(bool on);
  void ShowBrushSize(int value);
  void SetBrushSizeRange(int maximum, int largeChange);
  void EnableBrushSize(bool enabled);
  // The tool marker and the preview frames in the light grid colour, the dividing lines in the
  // border colour.
  void PaintBorders();

  QToolButton* ToolButton(int tool) const { return cmdTool_[static_cast<std::size_t>(tool)]; }
  // Down while overwriting, as a check box would be ticked.
  QToolButton* OverwriteBox() const { return chkOverwrite_; }
  QScrollBar* BrushSizeBar() const { return cmdTool1SizeX_; }
  QLabel* Preview(bool secondary) const { return secondary ? picPreTile_RMB_ : picPreTile_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddToolButtons();
  QLabel* AddPreview(int left, int top, const QString& caption, const std::string& tip, const std::string& helpKey);
  void ToolPressed(int tool);
  void BrushSizeDragged(int value);

  Editor& editor_;
  const QMenuBar& menuBar_;
  const TilesetPictures& pictures_;
  ControlHelp* help_;
  std::array<QToolButton*, kToolCount> cmdTool_{};
  QToolButton* chkOverwrite_ = nullptr;
  QScrollBar* cmdTool1SizeX_ = nullptr;
  QLabel* picPreTile_ = nullptr;
  QLabel* picPreTile_RMB_ = nullptr;
  FrameShape* shpToolSelect2_ = nullptr;
  std::array<FrameShape*, 2> shpPreTile_{};
  std::array<FrameShape*, 2> shpMiscLine_{};  // shpMiscLine(0) and (7)
};

}  // namespace brolt::editor
