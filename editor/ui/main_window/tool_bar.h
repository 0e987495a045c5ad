#pragma once
// The tool bar's own part of the main window's tool bar strip: the eleven command buttons and the
// zoom, thickness and saturation choosers with their values. The level labels, the tile counter and
// the roll-down's arrow further right are the main window's.
#include <QWidget>
#include <array>
#include <vector>

#include "editor/model/editor.h"

class QLabel;
class QMenuBar;
class QToolButton;

namespace brolt::editor {

class ControlHelp;
class FrameShape;
class MenuCommands;

class ToolBar : public QWidget {
 public:
  static constexpr int kCommandCount = 11;
  static constexpr int kHelpIndex = 10;

  ToolBar(Editor& editor, MenuCommands& commands, const QMenuBar& menuBar, QWidget* parent = nullptr);

  // What the rules show here.
  void ShowZoom(const QString& text);
  void ShowThickness(const QString& text);
  void ShowSaturation(const QString& text);
  void EnableThickness(bool enabled);
  void EnableSaturation(bool enabled);
  // The group frames in the light grid colour, the separator lines in the border colour.
  void PaintBorders();

  QToolButton* CommandButton(int index) const { return cmdCommand_[static_cast<std::size_t>(index)]; }
  QToolButton* ZoomButton() const { return cmdZoom_; }
  QToolButton* SizeButton() const { return cmdSize_; }
  QToolButton* SaturationButton() const { return cmdSaturation_; }
  QLabel* ZoomLabel() const { return txtZoom_; }
  QLabel* ThicknessLabel() const { return txtThickness_; }
  QLabel* SaturationLabel() const { return txtSaturation_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int AddCommandButtons();
  QToolButton* AddChooser(int left, const char* icon, const QString& caption, const std::string& tip,
                          const std::string& helpKey, QLabel*& value, const QString& initial);
  // Frames the group from `left` to `right` (exclusive) and draws the separator line after it;
  // returns where the next group starts.
  int CloseGroup(int left, int right);
  void CommandReleased(int index, Qt::MouseButton button);
  void PopUpChooser(QToolButton& button);

  Editor& editor_;
  MenuCommands& commands_;
  const QMenuBar& menuBar_;
  ControlHelp* help_;
  std::array<QToolButton*, kCommandCount> cmdCommand_{};
  QToolButton* cmdZoom_ = nullptr;
  QToolButton* cmdSize_ = nullptr;
  QToolButton* cmdSaturation_ = nullptr;
  QLabel* txtZoom_ = nullptr;
  QLabel* txtThickness_ = nullptr;
  QLabel* txtSaturation_ = nullptr;
  std::vector<FrameShape*> frames_;  // ShpMisc(4), ShpMisc(6) to (13)
  std::vector<FrameShape*> lines_;   // shpMiscLine(1) to (6), (8) to (10)
};

}  // namespace brolt::editor
