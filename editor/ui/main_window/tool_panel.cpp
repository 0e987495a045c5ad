#include "editor/ui/main_window/tool_panel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <string>

#include "editor/model/tools/brush_size.h"
#include "editor/model/tools/overwrite.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/model/window/main_window_layout.h"
#include "editor/model/window/status_text.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/main_window/menu_lookup.h"
#include "editor/ui/main_window/tool_icons.h"
#include "editor/ui/qt/control_help.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

// Four tool buttons to a row, the overwrite box in the eighth place, the previews under them and the
// size bar down the right edge: all within the panel's designed 156 by 111 pixels.
constexpr int kMargin = 1;
constexpr int kToolSide = 31;
constexpr int kToolPitch = 33;
constexpr int kToolColumns = 4;
constexpr int kToolRows = 2;
constexpr int kPreviewSide = 33;
constexpr int kCaptionHeight = 10;
constexpr int kBarWidth = 16;

struct ToolLook {
  const char* icon;
  const char* caption;  // shown when the picture is missing
  const char* tip;
};

constexpr std::array<ToolLook, ToolPanel::kToolCount> kTools{{
    {"tool_selector", "Sel", " Selector: Selects tiles (Shortcut Key: 1) "},
    {"tool_brush", "Brush", " Brush: Draws tiles on the screen (Shortcut Key: 2) "},
    {"tool_fill", "Fill", " Fill: Fills a space with a selected tile (Shortcut Key: 3) "},
    {"tool_rectangle", "Rect", " Rectangle: Fills tiles around a rectangle (Shortcut Key: 4) "},
    {"tool_rectangle_fill", "RFill", " Rectangle Fill: Fills tiles inside a rectangle (Shortcut Key: 5) "},
    {"tool_line", "Line", " Line: Fills tiles along a line (Shortcut Key: 6) "},
    {"tool_preview_start", "Start",
     " Preview Start: Playr will start here when previewing level (Shortcut Key: 7) "},
}};

constexpr int kPreviewTop = kMargin + kToolRows * kToolPitch + kCaptionHeight;
constexpr int kSecondaryLeft = kMargin + kPreviewSide + 26;
constexpr int kSizeBarLeft = kMiniLevelSide - kBarWidth - 4;
constexpr int kToolsBottom = kMargin + kToolRows * kToolPitch - 1;
constexpr int kDividerLeft = kSizeBarLeft - 3;

QPoint ToolCell(int index) {
  return {kMargin + (index % kToolColumns) * kToolPitch, kMargin + (index / kToolColumns) * kToolPitch};
}

}  // namespace

ToolPanel::ToolPanel(Editor& editor, const QMenuBar& menuBar, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent), editor_(editor), menuBar_(menuBar), pictures_(pictures), help_(new ControlHelp(editor, this)) {
  AddToolButtons();
  chkOverwrite_ = new QToolButton(this);
  chkOverwrite_->setObjectName("chkOverwrite");
  chkOverwrite_->setCheckable(true);
  chkOverwrite_->setGeometry(QRect(ToolCell(kToolCount), QSize(kToolSide, kToolSide)));
  SetButtonPicture(editor_, *chkOverwrite_, "tool_overwrite", "Ow");
  chkOverwrite_->setFocusPolicy(Qt::NoFocus);
  chkOverwrite_->setChecked(editor_.tools.Overwrite);
  help_->Add(*chkOverwrite_, " Overwite tiles (Toggle) (Shortcut Keys: Ctrl+W) ", "overwrite", false);
  connect(chkOverwrite_, &QToolButton::clicked, this, [this](bool on) {
    editor_.ui.window->FocusCanvas();
    SetOverwrite(editor_, on);
  });

  picPreTile_ = AddPreview(kMargin, kPreviewTop, "Primary",
                           " Primary selected tile (Left-click to draw) (Rotate Shortcut Key: >) ", "selectedtile");
  picPreTile_RMB_ = AddPreview(kSecondaryLeft, kPreviewTop, "Secondary",
                               " Secondary selected tile (Right-click to draw) (Rotate Shortcut Key: <) ",
                               "selectedtile2");
  for (const int index : {0, 1}) {
    shpPreTile_[static_cast<std::size_t>(index)] =
        NamedFrame(this, Preview(index == 1)->geometry().adjusted(-1, -1, 1, 1), QString("shpPreTile%1").arg(index));
  }
  shpMiscLine_[0] = NamedFrame(this, QRect(0, kToolsBottom, kDividerLeft - 1, 1), "shpMiscLine0");
  shpMiscLine_[1] = NamedFrame(this, QRect(kDividerLeft, 0, 1, kPreviewTop + kPreviewSide), "shpMiscLine7");
  shpToolSelect2_ = NamedFrame(this, QRect(), "shpToolSelect2");

  cmdTool1SizeX_ = new QScrollBar(Qt::Vertical, this);
  cmdTool1SizeX_->setGeometry(kSizeBarLeft, kMargin, kBarWidth, kPreviewTop + kPreviewSide - kMargin);
  cmdTool1SizeX_->setRange(1, 1);
  cmdTool1SizeX_->setFocusPolicy(Qt::NoFocus);
  connect(cmdTool1SizeX_, &QScrollBar::valueChanged, this, [this](int value) { ChooseBrushSize(editor_, value); });
  connect(cmdTool1SizeX_, &QScrollBar::sliderMoved, this, &ToolPanel::BrushSizeDragged);
  setMinimumSize(kSizeBarLeft + kBarWidth, kPreviewTop + kPreviewSide);
}

void ToolPanel::AddToolButtons() {
  auto* group = new QButtonGroup(this);
  for (int tool = 0; tool < kToolCount; ++tool) {
    const ToolLook& look = kTools[static_cast<std::size_t>(tool)];
    auto* button = new QToolButton(this);
    button->setGeometry(QRect(ToolCell(tool), QSize(kToolSide, kToolSide)));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    SetButtonPicture(editor_, *button, look.icon, look.caption);
    group->addButton(button, tool);
    help_->Add(*button, look.tip, "tools" + std::to_string(tool));
    button->installEventFilter(this);
    cmdTool_[static_cast<std::size_t>(tool)] = button;
  }
}

QLabel* ToolPanel::AddPreview(int left, int top, const QString& caption, const std::string& tip,
                              const std::string& helpKey) {
  auto* label = new QLabel(caption, this);
  label->setGeometry(left, top - kCaptionHeight, kPreviewSide + 24, kCaptionHeight);
  auto* preview = new QLabel(this);
  preview->setGeometry(left, top, kPreviewSide, kPreviewSide);
  preview->setFrameShape(QFrame::Panel);
  preview->setFrameShadow(QFrame::Sunken);
  preview->setAlignment(Qt::AlignCenter);
  help_->Add(*preview, tip, helpKey);
  preview->installEventFilter(this);
  return preview;
}

void ToolPanel::ShowCurrentTool(int tool) {
  if (tool < 0 || tool >= kToolCount) return;
  QToolButton* button = cmdTool_[static_cast<std::size_t>(tool)];
  button->setChecked(true);
  // 3 pixels in from the button's corner, a pixel narrower and lower than the button.
  const QRect place = button->geometry();
  shpToolSelect2_->setGeometry(place.left() + 3, place.top() + 3, place.width() - 1, place.height() - 1);
  shpToolSelect2_->show();
  shpToolSelect2_->raise();
}

void ToolPanel::PaintBorders() {
  const QColor light = ColorFromText(editor_.prefs.GridLight);
  for (FrameShape* frame : {shpToolSelect2_, shpPreTile_[0], shpPreTile_[1]}) frame->SetColour(light);
  for (FrameShape* line : shpMiscLine_) line->SetColour(ColorFromText(editor_.prefs.BorderColor));
}

void ToolPanel::ShowTilePreview(bool secondary, int tile, int direction) {
  QLabel* preview = Preview(secondary);
  if (tile == 0) {
    preview->clear();
    return;
  }
  preview->setPixmap(QPixmap::fromImage(pictures_.TileImage(editor_.tiles[tile], direction)));
}

void ToolPanel::ShowOverwrite(bool on) { chkOverwrite_->setChecked(on); }

void ToolPanel::ShowBrushSize(int value) {
  const QSignalBlocker blocker(cmdTool1SizeX_);
  cmdTool1SizeX_->setValue(value);
}

void ToolPanel::SetBrushSizeRange(int maximum, int largeChange) {
  const QSignalBlocker blocker(cmdTool1SizeX_);
  cmdTool1SizeX_->setMaximum(std::max(1, maximum));
  if (largeChange > 0) cmdTool1SizeX_->setPageStep(largeChange);
}

void ToolPanel::EnableBrushSize(bool enabled) { cmdTool1SizeX_->setEnabled(enabled); }

bool ToolPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress) return false;
  if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) return false;
  for (int tool = 0; tool < kToolCount; ++tool) {
    if (watched != cmdTool_[static_cast<std::size_t>(tool)]) continue;
    ToolPressed(tool);
    return true;
  }
  if (watched == picPreTile_ || watched == picPreTile_RMB_) {
    const bool secondary = watched == picPreTile_RMB_;
    auto* preview = static_cast<QWidget*>(watched);
    PopUpSubmenu(menuBar_, secondary ? "mnuToolsRotate_RMB" : "mnuToolsRotate",
                 secondary ? "mnuToolsRotateValue_RMB1" : "mnuToolsRotateValue1",
                 preview->mapToGlobal(QPoint(0, preview->height())));
    return true;
  }
  return false;
}

// Declining to leave paste mode leaves the current tool's button pressed.
void ToolPanel::ToolPressed(int tool) {
  editor_.ui.window->FocusCanvas();
  if (ConfirmExitPasteMode(editor_)) {
    ShowCurrentTool(editor_.tools.CurrentTool);
    return;
  }
  SelectTool(editor_, tool, editor_.tools.PrimaryTile, false);
  ShowCurrentTool(editor_.tools.CurrentTool);
}

void ToolPanel::BrushSizeDragged(int value) {
  ShowStatusText(editor_, BrushSizeHint(editor_.tools.CurrentTool, value), 0, true, false, kStatusWhite);
}

}  // namespace brolt::editor
