#include "editor/ui/main_window/tool_bar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <string>

#include "editor/model/tools/paste_mode.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/main_window/menu_commands.h"
#include "editor/ui/main_window/menu_lookup.h"
#include "editor/ui/main_window/tool_icons.h"
#include "editor/ui/qt/control_help.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

// Sized to end before the main window's tile counter, within the strip's 31 pixels. Each group
// of buttons has a frame one pixel outside it; between two groups stands a separator line, a
// pixel clear of both frames.
constexpr int kButtonSide = 24;
constexpr int kButtonPitch = 26;
constexpr int kMargin = 3;
constexpr int kChooserWidth = 20;
constexpr int kValueWidth = 28;
constexpr int kChooserSpan = kChooserWidth + 2 + kValueWidth;
constexpr int kGroupGap = 5;
constexpr int kBarHeight = kButtonSide + 2 * kMargin;
constexpr std::array<int, 6> kCommandGroups{3, 2, 2, 2, 1, 1};  // New Save Load, Properties Management, ...
// The frames' and lines' numbers among the window's shapes, in the order the groups stand.
constexpr std::array<int, 9> kGroupFrames{4, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr std::array<int, 9> kSeparatorLines{1, 2, 3, 4, 5, 6, 8, 9, 10};

struct CommandLook {
  const char* menuItem;  // the menu item whose command the button runs
  const char* icon;
  const char* caption;   // shown when the picture is missing
  const char* tip;
};

constexpr std::array<CommandLook, ToolBar::kCommandCount> kCommands{{
    {"mnuFileNew", "command_new", "New", " New Level (Shortcut Keys: Ctrl+N) "},
    {"mnuFileSave", "command_save", "Save", " Save Level (Shortcut Keys: Ctrl+S) "},
    {"mnuFileLoad", "command_load", "Load", " Load Level (Shortcut Keys: Ctrl+L) "},
    {"mnuToolProperties", "command_properties", "Prop", " Level Properties (Shortcut Key: Backspace) "},
    {"mnuFileLevelManagement", "command_management", "Mng", " Level Management (Shortcut Keys: Ctrl+M) "},
    {"mnuEditUndo", "command_undo", "Undo", " Undo (Shortcut Keys: Ctrl+Z) "},
    {"mnuEditRedo", "command_redo", "Redo", " Redo (Shortcut Keys: Ctrl+Y) "},
    {"mnuToolsPlay", "command_play", "Play", " Play Level (Shortcut Key: Enter) "},
    {"mnuToolsCompile", "command_compile", "Cmp", " Compile Level Collection "},
    {"mnuEditCopy", "command_copy", "Copy", " Copy Selection (Shortcut Keys: Ctrl+C) "},
    {"mnuHelpIndex", "command_help", "?", " Help Index (Shortcut Key: F1) "},
}};

// The chooser buttons' pop-up menus and their default items.
struct Chooser {
  const char* submenu;
  const char* defaultItem;
};
constexpr Chooser kZoomChooser{"mnuViewZoom", "mnuViewZoomLevel4"};
constexpr Chooser kSizeChooser{"mnuToolsThick", "mnuToolsThickValue1"};
constexpr Chooser kSaturationChooser{"mnuToolsSaturation", "mnuToolsSaturationValue100"};

QToolButton* NewButton(QWidget* parent, QRect area) {
  auto* button = new QToolButton(parent);
  button->setGeometry(area);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

ToolBar::ToolBar(Editor& editor, MenuCommands& commands, const QMenuBar& menuBar, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      commands_(commands),
      menuBar_(menuBar),
      help_(new ControlHelp(editor, this)) {
  int left = AddCommandButtons();
  cmdZoom_ = AddChooser(left, "chooser_zoom", "Z", " Zoom: Sets the zoom in pixels per tile (Shortcut Keys: + / -) ",
                        "zoom", txtZoom_, "100");
  left = CloseGroup(left, left + kChooserSpan);
  cmdSize_ = AddChooser(left, "chooser_size", "T", " Thickness: Sets the brush thickness in tiles across ", "thickness",
                        txtThickness_, "99");
  left = CloseGroup(left, left + kChooserSpan);
  cmdSaturation_ = AddChooser(left, "chooser_saturation", "S", " Saturation: Sets the saturation in percent ",
                              "saturation", txtSaturation_, "100%");
  left = CloseGroup(left, left + kChooserSpan);
  setFixedSize(left - kGroupGap + 3, kBarHeight);
}

int ToolBar::AddCommandButtons() {
  int index = 0;
  int left = kMargin;
  for (const int count : kCommandGroups) {
    const int groupLeft = left;
    for (int n = 0; n < count; ++n, ++index, left += kButtonPitch) {
      const CommandLook& look = kCommands[static_cast<std::size_t>(index)];
      QToolButton* button = NewButton(this, QRect(left, kMargin, kButtonSide, kButtonSide));
      SetButtonPicture(editor_, *button, look.icon, look.caption);
      help_->Add(*button, look.tip, {});
      button->installEventFilter(this);
      cmdCommand_[static_cast<std::size_t>(index)] = button;
    }
    left = CloseGroup(groupLeft, left - (kButtonPitch - kButtonSide));
  }
  return left;
}

int ToolBar::CloseGroup(int left, int right) {
  const std::size_t group = frames_.size();
  frames_.push_back(NamedFrame(this, QRect(left - 1, kMargin - 1, right - left + 2, kButtonSide + 2),
                               QString("ShpMisc%1").arg(kGroupFrames[group])));
  lines_.push_back(NamedFrame(this, QRect(right + 2, kMargin - 1, 1, kButtonSide + 2),
                              QString("shpMiscLine%1").arg(kSeparatorLines[group])));
  return right + kGroupGap;
}

void ToolBar::PaintBorders() {
  for (FrameShape* frame : frames_) frame->SetColour(ColorFromText(editor_.prefs.GridLight));
  for (FrameShape* line : lines_) line->SetColour(ColorFromText(editor_.prefs.BorderColor));
}

QToolButton* ToolBar::AddChooser(int left, const char* icon, const QString& caption, const std::string& tip,
                                 const std::string& helpKey, QLabel*& value, const QString& initial) {
  QToolButton* button = NewButton(this, QRect(left, kMargin, kChooserWidth, kButtonSide));
  SetButtonPicture(editor_, *button, icon, caption);
  help_->Add(*button, tip, helpKey);
  button->installEventFilter(this);
  value = new QLabel(initial, this);
  value->setGeometry(left + kChooserWidth + 2, kMargin, kValueWidth, kButtonSide);
  value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return button;
}

void ToolBar::ShowZoom(const QString& text) { txtZoom_->setText(text); }
void ToolBar::ShowThickness(const QString& text) { txtThickness_->setText(text); }
void ToolBar::ShowSaturation(const QString& text) { txtSaturation_->setText(text); }

void ToolBar::EnableThickness(bool enabled) {
  cmdSize_->setEnabled(enabled);
  txtThickness_->setEnabled(enabled);
}

void ToolBar::EnableSaturation(bool enabled) {
  cmdSaturation_->setEnabled(enabled);
  txtSaturation_->setEnabled(enabled);
}

bool ToolBar::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
  const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
  const bool press = type == QEvent::MouseButtonPress;
  for (int index = 0; index < kCommandCount; ++index) {
    if (watched != cmdCommand_[static_cast<std::size_t>(index)]) continue;
    if (!press) CommandReleased(index, button);
    return false;
  }
  if (button == Qt::RightButton) return false;  // their help comes with the release
  if (press && (watched == cmdZoom_ || watched == cmdSize_ || watched == cmdSaturation_)) {
    PopUpChooser(*static_cast<QToolButton*>(watched));
    return true;
  }
  return false;
}

void ToolBar::CommandReleased(int index, Qt::MouseButton button) {
  if (index == kHelpIndex && editor_.clipboard.PasteMode) {
    editor_.ui.dialogs->ShowHelpTopic("pastemode");
    return;
  }
  if (button == Qt::RightButton) {
    editor_.ui.dialogs->ShowHelpTopic(index == kHelpIndex ? "help" : "toolbar" + std::to_string(index));
    return;
  }
  if (ConfirmExitPasteMode(editor_)) return;
  commands_.Run(kCommands[static_cast<std::size_t>(index)].menuItem);
  if (index != kHelpIndex) editor_.ui.window->FocusCanvas();
}

void ToolBar::PopUpChooser(QToolButton& button) {
  if (ConfirmExitPasteMode(editor_)) return;
  const Chooser& chooser = &button == cmdZoom_ ? kZoomChooser : &button == cmdSize_ ? kSizeChooser : kSaturationChooser;
  PopUpSubmenu(menuBar_, chooser.submenu, chooser.defaultItem, button.mapToGlobal(QPoint(0, button.height())));
  button.setDown(false);
  editor_.ui.window->FocusCanvas();
}

}  // namespace brolt::editor
