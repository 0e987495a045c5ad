#include "editor/ui/tool_panel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <string>

#include "editor/model/brush_size.h"
#include "editor/model/hide_selector.h"
#include "editor/model/overwrite.h"
#include "editor/model/paste_mode.h"
#include "editor/model/status_text.h"
#include "editor/model/tool_selection.h"
#include "editor/ui/control_help.h"
#include "editor/ui/menu_lookup.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/tile_palette.h"
#include "editor/ui/tool_icons.h"

namespace brolt::editor {

namespace {

constexpr int kMargin = 2;
constexpr int kToolPitch = TilePalette::kColumnPitch;
constexpr int kToolSide = TilePalette::kButtonSize;
constexpr int kToolRows = 2;
constexpr int kPreviewSide = 36;
constexpr int kCaptionHeight = 14;
constexpr int kBarWidth = 16;
constexpr int kPaletteRowPixels = 37;  // the palette moves this far per step of its bar
constexpr int kPaletteWidth = kMargin + TilePalette::kColumns * kToolPitch;

struct ToolSpec {
  const char* icon;
  const char* caption;  // shown when the picture is missing
  const char* tip;
};

constexpr std::array<ToolSpec, ToolPanel::kToolCount> kTools{{
    {"tool_selector", "Sel", " Selector: Selects tiles (Shortcut Key: 1) "},
    {"tool_brush", "Brush", " Brush: Draws tiles on the screen (Shortcut Key: 2) "},
    {"tool_fill", "Fill", " Fill: Fills a space with a selected tile (Shortcut Key: 3) "},
    {"tool_rectangle", "Rect", " Rectangle: Fills tiles around a rectangle (Shortcut Key: 4) "},
    {"tool_rectangle_fill", "RFill", " Rectangle Fill: Fills tiles inside a rectangle (Shortcut Key: 5) "},
    {"tool_line", "Line", " Line: Fills tiles along a line (Shortcut Key: 6) "},
    {"tool_preview_start", "Start",
     " Preview Start: Playr will start here when previewing level (Shortcut Key: 7) "},
}};

constexpr int kToolsBottom = kMargin + kToolRows * kToolPitch;
constexpr int kOverwriteTop = kToolsBottom + kMargin;
constexpr int kPreviewTop = kOverwriteTop + 20 + kCaptionHeight;
constexpr int kPaletteTop = kPreviewTop + kPreviewSide + 2 * kMargin;
constexpr int kSecondaryLeft = kMargin + kPreviewSide + 24;
constexpr int kSizeBarLeft = kSecondaryLeft + kPreviewSide + 22;

}  // namespace

ToolPanel::ToolPanel(Editor& editor, const QMenuBar& menuBar, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent), editor_(editor), menuBar_(menuBar), pictures_(pictures), help_(new ControlHelp(editor, this)) {
  AddToolButtons();
  chkOverwrite_ = new QCheckBox("Overwrite", this);
  chkOverwrite_->setGeometry(kMargin, kOverwriteTop, kPaletteWidth - kMargin, 20);
  chkOverwrite_->setFocusPolicy(Qt::NoFocus);
  chkOverwrite_->setChecked(editor_.tools.Overwrite);
  help_->Add(*chkOverwrite_, " Overwite tiles (Toggle) (Shortcut Keys: Ctrl+W) ", "overwrite", false);
  connect(chkOverwrite_, &QCheckBox::clicked, this, [this](bool on) {
    editor_.ui.window->FocusCanvas();
    SetOverwrite(editor_, on);
  });

  picPreTile_ = AddPreview(kMargin, kPreviewTop, "Primary",
                           " Primary selected tile (Left-click to draw) (Rotate Shortcut Key: >) ", "selectedtile");
  picPreTile_RMB_ = AddPreview(kSecondaryLeft, kPreviewTop, "Secondary",
                               " Secondary selected tile (Right-click to draw) (Rotate Shortcut Key: <) ",
                               "selectedtile2");

  cmdTool1SizeX_ = new QScrollBar(Qt::Vertical, this);
  cmdTool1SizeX_->setGeometry(kSizeBarLeft, kPreviewTop - kCaptionHeight, kBarWidth, kPreviewSide + kCaptionHeight);
  cmdTool1SizeX_->setRange(1, 1);
  cmdTool1SizeX_->setFocusPolicy(Qt::NoFocus);
  connect(cmdTool1SizeX_, &QScrollBar::valueChanged, this, [this](int value) {
    HideSelector(editor_);
    SetBrushSize(editor_, value);
  });
  connect(cmdTool1SizeX_, &QScrollBar::sliderMoved, this, &ToolPanel::BrushSizeDragged);
  AddPalette();
  setMinimumSize(kPaletteWidth + kBarWidth + kMargin, kPaletteTop + kPaletteRowPixels);
}

void ToolPanel::AddToolButtons() {
  auto* group = new QButtonGroup(this);
  for (int tool = 0; tool < kToolCount; ++tool) {
    const ToolSpec& spec = kTools[static_cast<std::size_t>(tool)];
    auto* button = new QToolButton(this);
    button->setGeometry(kMargin + (tool % TilePalette::kColumns) * kToolPitch,
                        kMargin + (tool / TilePalette::kColumns) * kToolPitch, kToolSide, kToolSide);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    SetButtonPicture(editor_, *button, spec.icon, spec.caption);
    group->addButton(button, tool);
    help_->Add(*button, spec.tip, "tools" + std::to_string(tool));
    button->installEventFilter(this);
    cmdTool_[static_cast<std::size_t>(tool)] = button;
  }
}

QLabel* ToolPanel::AddPreview(int left, int top, const QString& caption, const std::string& tip,
                              const std::string& helpKey) {
  auto* label = new QLabel(caption, this);
  label->setGeometry(left, top - kCaptionHeight, kPreviewSide + 22, kCaptionHeight);
  auto* preview = new QLabel(this);
  preview->setGeometry(left, top, kPreviewSide, kPreviewSide);
  preview->setFrameShape(QFrame::Panel);
  preview->setFrameShadow(QFrame::Sunken);
  preview->setAlignment(Qt::AlignCenter);
  help_->Add(*preview, tip, helpKey);
  preview->installEventFilter(this);
  return preview;
}

void ToolPanel::AddPalette() {
  panToolsFrame_ = new QWidget(this);
  panToolsFrame_->move(0, kPaletteTop);
  panTools_ = new TilePalette(editor_.tiles, pictures_, panToolsFrame_);
  help_->Add(*panTools_, {}, {});
  scrTools_ = new QScrollBar(Qt::Vertical, this);
  scrTools_->setRange(0, 0);
  scrTools_->setFocusPolicy(Qt::NoFocus);
  connect(scrTools_, &QScrollBar::valueChanged, this, [this](int value) { panTools_->move(0, -kPaletteRowPixels * value); });
  connect(panTools_, &TilePalette::TileMouseDown, this, &ToolPanel::TilePressed);
  connect(panTools_, &TilePalette::TileMouseUp, this, [this](int, Qt::MouseButton button) { TileReleased(button); });
  connect(panTools_, &TilePalette::TileMouseMove, this, &ToolPanel::TileHovered);
}

void ToolPanel::resizeEvent(QResizeEvent*) {
  const int height = std::max(kPaletteRowPixels, this->height() - kPaletteTop);
  panToolsFrame_->resize(kPaletteWidth, height);
  scrTools_->setGeometry(kPaletteWidth, kPaletteTop, kBarWidth, height);
}

void ToolPanel::ShowCurrentTool(int tool) {
  if (tool >= 0 && tool < kToolCount) cmdTool_[static_cast<std::size_t>(tool)]->setChecked(true);
}

void ToolPanel::ShowTilePreview(bool secondary, int tile, int direction) {
  QLabel* preview = Preview(secondary);
  if (tile == 0) {
    preview->clear();
    return;
  }
  preview->setPixmap(QPixmap::fromImage(pictures_.TileImage(editor_.tiles[tile], direction)));
}

void ToolPanel::ShowPaletteMarker(bool shown, int tile) {
  if (QAbstractButton* button = panTools_->TileButton(shown ? tile : 0)) button->setChecked(true);
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

std::pair<int, int> ToolPanel::PaletteHeights() const { return {panTools_->height(), panToolsFrame_->height()}; }

void ToolPanel::SetPaletteScrollMax(int maximum) { scrTools_->setMaximum(std::max(0, maximum)); }

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

void ToolPanel::TilePressed(int code, Qt::MouseButton button) {
  editor_.ui.window->FocusCanvas();
  if (ConfirmExitPasteMode(editor_)) {
    ShowPaletteMarker(true, editor_.tools.PrimaryTile);
    return;
  }
  ToolState& tools = editor_.tools;
  if (tools.CurrentTool == kSelectorTool) tools.CurrentTool = kBrushTool;
  SelectTool(editor_, tools.CurrentTool, code, button == Qt::RightButton);
}

// The pressed tile button always marks the primary tile.
void ToolPanel::TileReleased(Qt::MouseButton button) {
  if (button == Qt::RightButton) ShowPaletteMarker(true, editor_.tools.PrimaryTile);
}

void ToolPanel::TileHovered(int code) {
  HideSelector(editor_);
  std::string text = "Click here to select: " + editor_.tiles[code].Desc;
  if (editor_.DeveloperMode) text += " (" + std::to_string(code) + ")";
  ShowStatusText(editor_, text, 0, true, false, kStatusWhite);
}

void ToolPanel::BrushSizeDragged(int value) {
  ShowStatusText(editor_, BrushSizeHint(editor_.tools.CurrentTool, value), 0, true, false, kStatusWhite);
}

}  // namespace brolt::editor
