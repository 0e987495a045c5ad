#include "editor/ui/main_window/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QListWidget>
#include <QMouseEvent>
#include <QMenuBar>
#include <QSignalBlocker>

#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/exit_editor.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/window/canvas_mouse.h"
#include "editor/model/window/hide_selector.h"
#include "editor/ui/boxes/help_window.h"
#include "editor/ui/canvas/canvas_mouse_events.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/canvas/pointer_shape.h"
#include "editor/ui/dialogs/property_commands.h"
#include "editor/ui/dialogs/splash_window.h"
#include "editor/ui/main_window/level_roll_down.h"
#include "editor/ui/main_window/menu_tree.h"
#include "editor/ui/main_window/mini_level.h"
#include "editor/ui/main_window/tile_palette.h"
#include "editor/ui/main_window/tile_palette_commands.h"
#include "editor/ui/qt/control_help.h"
#include "editor/ui/qt/fitted_text.h"
#include "editor/ui/qt/qt_colors.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

constexpr int kScrollBarThickness = LevelCanvas::kScrollBarThickness;  // ScrTools as thick as the canvas's bars
constexpr int kStatusFieldTop = 4;
constexpr int kStatusFieldHeight = 14;
constexpr int kLevelLabelsFrame = 5;
constexpr int kCounterFrame = 14;
constexpr int kLevelLabelsTop = 3;
constexpr int kLevelLabelsHeight = 26;
constexpr int kLevelLineTop = 15;
constexpr int kLevelLineHeight = 13;
constexpr int kCounterPictureSide = 24;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;
const QRect kLevelFileArea(561, 4, 68, 11);
const QRect kCounterPictureArea(472, 4, kCounterPictureSide, kCounterPictureSide);
const QRect kCounterTextArea(499, 9, 54, 13);
const QRect kDropDownArea(376, 44, 153, 129);
const QColor kViewportBackground(64, 64, 64);

// The menu items each enabled state reaches; the tool bar's and panel's controls follow elsewhere.
std::vector<const char*> MenuItemNames(ToolControl control) {
  switch (control) {
    case ToolControl::ToolsRotate: return {"mnuToolsRotate"};
    case ToolControl::ToolsRotateSecondary: return {"mnuToolsRotate_RMB"};
    case ToolControl::EditCopy: return {"mnuEditCopy"};
    case ToolControl::EditCut: return {"mnuEditCut"};
    case ToolControl::EditRotateMenu: return {"mnuEditRotateMenu"};
    case ToolControl::EditPaste: return {"mnuEditPaste"};
    case ToolControl::EditDeleteSelected: return {"mnuEditDelSelected"};
    case ToolControl::EditInvertSelection: return {"mnuEditInvertSelection"};
    case ToolControl::EditSelectAll: return {"mnuEditSelectAll"};
    case ToolControl::SelectTilesOnly: return {"mnuFileSelTilesOnly"};
    case ToolControl::EditClearLevel: return {"mnuEditClearLevel"};
    case ToolControl::Thickness: return {"mnuToolsThick"};
    case ToolControl::Saturation: return {"mnuToolsSaturation"};
    case ToolControl::BrushSizeBar: return {};
  }
  return {};
}

QLabel* AddNamedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

void SetGeometry(QWidget* widget, const LaidOut& area) {
  if (area) widget->setGeometry(area->Left, area->Top, area->Width, area->Height);
}

QRect ToQRect(const LayoutRect& area) { return QRect(area.Left, area.Top, area.Width, area.Height); }

}  // namespace

MainWindow::MainWindow(Editor& editor, const TilesetPictures& pictures)
    : editor_(editor),
      pictures_(pictures),
      client_(new FramedPanel(this)),
      toolBar_(new FramedPanel(client_)),
      statusBar_(new QWidget(client_)),
      canvas_(new LevelCanvas(editor, pictures, client_)),
      miniLevel_(new MiniLevel(editor, client_)),
      toolPanel_(new QWidget(client_)),
      toolsBack_(new QWidget(client_)),
      toolsFrame_(new QWidget(toolsBack_)),
      toolsScroll_(new QScrollBar(Qt::Vertical, toolsBack_)),
      rollDown_(new LevelRollDown(editor, client_)),
      help_(new ControlHelp(editor, this)) {
  setCentralWidget(client_);
  BuildMenuBar(*menuBar());
  client_->setObjectName("frmMain");
  toolBar_->setObjectName("panBar0");
  statusBar_->setObjectName("panBar1");
  canvas_->setObjectName("LevelBack");
  miniLevel_->setObjectName("MiniLevel");
  toolPanel_->setObjectName("panCmdTools");
  toolsBack_->setObjectName("panToolsBack");
  toolsFrame_->setObjectName("panToolsFrame");
  toolsScroll_->setObjectName("ScrTools");
  rollDown_->setObjectName("picDropDown");
  rollDown_->List()->setObjectName("lstDropDown");
  canvas_->AttachMiniLevel(miniLevel_);
  toolPanel_->resize(kMiniLevelSide, kToolPanelHeight);
  rollDown_->setGeometry(kDropDownArea);
  BuildToolBar();
  BuildStatusBar();
  BuildToolsBack();
  // The tile palette's panel comes out a few pixels too tall on the first layout; the status bar
  // stays on top of it.
  statusBar_->raise();

  QPalette viewport = canvas_->palette();
  viewport.setColor(QPalette::Window, kViewportBackground);
  canvas_->setPalette(viewport);
  canvas_->setAutoFillBackground(true);
  client_->setMouseTracking(true);
  client_->installEventFilter(this);
  CanvasViewport& level = canvas_->Viewport();
  level.setMouseTracking(true);
  level.setFocusPolicy(Qt::StrongFocus);
  level.installEventFilter(new CanvasMouseEvents(editor_, level, this));
  resize(WindowPlacement{}.Width, WindowPlacement{}.Height);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildToolBar() {
  levelTitle_ = AddNamedLabel(toolBar_, "txtLevel", "Untitled");
  levelNumber_ = AddNamedLabel(toolBar_, "txtLevelNum", "(Unsaved)");
  levelNumber_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Where the two overlap the number covers the title, so a narrow window shows no cut letters.
  levelNumber_->setAutoFillBackground(true);
  levelFile_ = AddNamedLabel(toolBar_, "txtLevelFile", "(Unavailable)");
  levelFile_->setGeometry(kLevelFileArea);
  // The three labels share a frame of a few dozen pixels at the designed width.
  QFont small = levelFile_->font();
  small.setPointSize(7);
  for (QLabel* label : {levelTitle_, levelNumber_, levelFile_}) label->setFont(small);
  dropDownButton_ = new QToolButton(toolBar_);
  dropDownButton_->setObjectName("cmdDropDown");
  dropDownButton_->setArrowType(Qt::DownArrow);
  dropDownButton_->setAutoRaise(true);
  counterPicture_ = AddNamedLabel(toolBar_, "picTileCount", "");
  counterPicture_->setGeometry(kCounterPictureArea);
  counterText_ = AddNamedLabel(toolBar_, "txtTileCount", "2500");
  counterText_->setGeometry(kCounterTextArea);
  toolBar_->SetFrame(kCounterFrame, kCounterPictureArea.united(kCounterTextArea).adjusted(-1, -1, 1, 1));
  help_->Add(*dropDownButton_, " Load Level (Shortcut Keys: Ctrl+L) ", "levelrolldown");
  for (QLabel* part : {counterPicture_, counterText_}) help_->Add(*part, " Tile Counter ", "tilecounter");
  for (QLabel* line : {levelTitle_, levelNumber_}) help_->Add(*line, {}, "levelrolldown");
  for (QWidget* control : std::initializer_list<QWidget*>{dropDownButton_, counterPicture_, counterText_, levelTitle_, levelNumber_}) {
    control->installEventFilter(this);
  }
}

// The level labels, the roll-down's arrow and the tile counter; their hints and help come from help_.
void MainWindow::ToolBarMouse(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return;
  const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
  const bool press = type == QEvent::MouseButtonPress;
  if (press && (watched == levelTitle_ || watched == levelNumber_)) {
    if (!ConfirmExitPasteMode(editor_)) ShowLevelDropDown(editor_, false);
  } else if (press && button == Qt::LeftButton && (watched == counterPicture_ || watched == counterText_)) {
    RunTileCount(editor_, this);
  } else if (!press && button != Qt::RightButton && watched == dropDownButton_) {
    ShowLevelDropDown(editor_, false);
  }
}

void MainWindow::BuildStatusBar() {
  statusBar_->setAutoFillBackground(true);
  QPalette colours = statusBar_->palette();
  colours.setColor(QPalette::Window, Qt::black);
  colours.setColor(QPalette::WindowText, Qt::white);
  statusBar_->setPalette(colours);
  statusBar_->setMouseTracking(true);
  statusBar_->installEventFilter(this);
  for (std::size_t field = 0; field < statusFields_.size(); ++field) {
    statusFields_[field] = AddNamedLabel(statusBar_, ("StatusText" + std::to_string(field)).c_str(), " ");
    statusFields_[field]->setGeometry(0, kStatusFieldTop, kStatusFieldWidths[field], kStatusFieldHeight);
    // The message field runs the bar's whole width; the fields at its right end stand over it, so
    // that a long message passes under them instead of through their figures.
    statusFields_[field]->setAutoFillBackground(field > 0);
    help_->Add(*statusFields_[field], {}, "statusbar");
  }
}

void MainWindow::BuildToolsBack() {
  toolsBack_->resize(kMiniLevelSide, 0);
  toolsFrame_->move(0, 0);
  toolsFrame_->resize(kMiniLevelSide - kScrollBarThickness - 2, 0);
  toolsScroll_->move(kMiniLevelSide - kScrollBarThickness - 2, kToolsScrollTop);
  toolsScroll_->resize(kScrollBarThickness, 0);
  toolsScroll_->setRange(0, 0);
  connect(toolsScroll_, &QScrollBar::valueChanged, this, [this](int row) {
    if (palette_ != nullptr) palette_->move(0, -row * TilePalette::kRowScrollPixels);
  });
}

void MainWindow::TilesetLoaded() {
  delete palette_;
  palette_ = new TilePalette(editor_.tiles, pictures_, toolsFrame_);
  palette_->setObjectName("panTools");
  palette_->SetMarkerColour(gridLightColour_);
  ConnectTilePalette(editor_, *palette_);
  palette_->show();
  canvas_->PicturesChanged();
  RefreshViewControls(editor_);
}

QAction* MainWindow::MenuItem(const QString& name) const { return brolt::editor::MenuItem(*menuBar(), name); }

QMenu* MainWindow::EditMenu() const { return SubMenu(*menuBar(), "mnuEdit"); }

template <typename T>
T* MainWindow::Named(const QString& name) const {
  return findChild<T*>(name);
}

QRect MainWindow::ControlGeometry(const QString& name) const {
  const QWidget* control = Named<QWidget>(name);
  if (control == nullptr) return {};
  return QRect(control->mapTo(client_, QPoint(0, 0)), control->size());
}

// Form_Resize: the layout, then the view controls refitted to the new sizes.
void MainWindow::LayOut() {
  rollDown_->hide();
  ApplyLayout(LayOutMainWindow(client_->width(), client_->height(), toolsBackTop_));
  RefreshViewControls(editor_);
}

void MainWindow::ApplyLayout(const MainWindowLayout& layout) {
  const int width = client_->width();
  toolBar_->setGeometry(0, 0, width, kToolBarHeight);
  statusBar_->setGeometry(0, client_->height() - kStatusBarHeight, width, kStatusBarHeight);
  SetGeometry(miniLevel_, layout.MiniLevel);
  SetGeometry(canvas_, layout.LevelBack);
  SetGeometry(toolPanel_, layout.CmdTools);
  SetGeometry(toolsBack_, layout.ToolsBack);
  if (layout.ToolsBack) toolsBackTop_ = layout.ToolsBack->Top;
  if (layout.ToolsFrameHeight) toolsFrame_->resize(toolsFrame_->width(), *layout.ToolsFrameHeight);
  if (layout.ToolsScrollHeight) toolsScroll_->resize(kScrollBarThickness, *layout.ToolsScrollHeight);
  for (std::size_t frame = 0; frame < layout.Frames.size(); ++frame) {
    if (layout.Frames[frame]) client_->SetFrame(static_cast<int>(frame), ToQRect(*layout.Frames[frame]));
  }
  for (std::size_t field = 0; field < statusFields_.size(); ++field) {
    const LaidOut& area = layout.StatusFields[field];
    if (area) statusFields_[field]->setGeometry(area->Left, kStatusFieldTop, area->Width, kStatusFieldHeight);
  }
  if (layout.LevelLabelsFrame) {
    toolBar_->SetFrame(kLevelLabelsFrame, QRect(layout.LevelLabelsFrame->Left, kLevelLabelsTop,
                                                layout.LevelLabelsFrame->Width, kLevelLabelsHeight));
  }
  if (layout.LevelTitle) levelTitle_->setGeometry(layout.LevelTitle->Left, kLevelLineTop, layout.LevelTitle->Width, kLevelLineHeight);
  if (layout.LevelNumber) levelNumber_->setGeometry(layout.LevelNumber->Left, kLevelLineTop, layout.LevelNumber->Width, kLevelLineHeight);
  if (layout.DropDown) dropDownButton_->setGeometry(layout.DropDown->Left, kLevelLabelsTop + 2, layout.DropDown->Width, kLevelLabelsHeight - 4);
}

void MainWindow::PaintBorders() {
  borderColour_ = ColorFromText(editor_.prefs.BorderColor);
  gridLightColour_ = ColorFromText(editor_.prefs.GridLight);
  for (int frame = 0; frame < 4; ++frame) client_->SetFrameColour(frame, borderColour_);
  for (int frame : {kLevelLabelsFrame, kCounterFrame}) toolBar_->SetFrameColour(frame, gridLightColour_);
  rollDown_->SetFrameColour(borderColour_);
  if (palette_ != nullptr) palette_->SetMarkerColour(gridLightColour_);
  canvas_->SetCornerColour(borderColour_);
  canvas_->RedrawOverlays();
  miniLevel_->update();
}

void MainWindow::ShowStatusText(std::string_view text, int index, bool bold, bool italic, std::int32_t colour) {
  if (index < 0 || index >= static_cast<int>(statusFields_.size())) return;
  QLabel& field = *statusFields_[static_cast<std::size_t>(index)];
  const QString caption = ToQString(text) + " ";
  if (field.text() != caption) field.setText(caption);
  QFont font = field.font();
  if (font.bold() != bold || font.italic() != italic) {
    font.setBold(bold);
    font.setItalic(italic);
    field.setFont(font);
  }
  QPalette colours = field.palette();
  colours.setColor(QPalette::WindowText, ColorFromRgb(colour));
  field.setPalette(colours);
  field.setVisible(!text.empty() || index == 0);
}

void MainWindow::SetMousePointer(int pointer) { ApplyPointer(*this, pointer); }

void MainWindow::ShowTileCounter(int tile, int count) {
  const TileDef& def = editor_.tiles[tile];
  counterPicture_->setPixmap(QPixmap::fromImage(pictures_.TileImage(def, 0).scaled(kCounterPictureSide, kCounterPictureSide)));
  counterPicture_->setToolTip(ToQString(" Tile Counter (" + def.Desc + ") "));
  counterText_->setText(QString::number(count));
  help_->Add(*counterPicture_, FromQString(counterPicture_->toolTip()), "tilecounter");
}

void MainWindow::ShowDeveloperItems(bool visible) {
  for (const char* name : {"mnuToolsBan1", "mnuToolsBan2"}) MenuItem(name)->setVisible(visible);
}

void MainWindow::CheckOnly(const char* array, int first, int last, int checked) {
  for (int index = first; index <= last; ++index) {
    if (QAction* item = MenuItem(ArrayItemName(array, index))) item->setChecked(index == checked);
  }
}

void MainWindow::CheckZoomMenuItem(int index) {
  CheckOnly("mnuViewZoomLevel", 0, kZoomMenuItems - 1, index);
  MenuItem("mnuViewZoomCustom")->setChecked(index < 0);
}

std::pair<int, int> MainWindow::ToolPanelHeights() {
  return {palette_ == nullptr ? 0 : palette_->height(), toolsFrame_->height()};
}

void MainWindow::SetToolScrollMax(int maximum) { toolsScroll_->setMaximum(std::max(0, maximum)); }

void MainWindow::ShowThicknessMenu(const ThicknessMenu& menu) {
  for (std::size_t n = 0; n < menu.Items.size(); ++n) {
    QAction* item = MenuItem(ArrayItemName("mnuToolsThickValue", static_cast<int>(n) + 1));
    item->setText(QString::number(menu.Items[n].Caption));
    item->setVisible(menu.Items[n].Visible);
    item->setChecked(menu.Items[n].Checked);
  }
}

void MainWindow::EnableToolControl(ToolControl control, bool enabled) {
  for (const char* name : MenuItemNames(control)) {
    if (QAction* item = MenuItem(name)) item->setEnabled(enabled);
  }
}

void MainWindow::ShowCurrentTool(int tool) {
  CheckOnly("mnuToolsToolsSelect", 0, kPreviewStartTool, tool);
}

void MainWindow::ShowPaletteMarker(bool shown, int tile) {
  if (palette_ == nullptr) return;
  QAbstractButton* button = palette_->TileButton(shown ? tile : 0);
  if (button != nullptr) button->setChecked(true);
  palette_->ShowMarker(shown, tile);
}

void MainWindow::ShowSaturation(int percent, std::string_view /*caption*/) {
  for (QAction* item : menuBar()->findChildren<QAction*>()) {
    if (item->objectName().startsWith("mnuToolsSaturationValue")) {
      item->setChecked(item->objectName() == ArrayItemName("mnuToolsSaturationValue", percent));
    }
  }
}

void MainWindow::SetMinimapPointer(int pointer) { ApplyPointer(*miniLevel_, pointer); }

void MainWindow::ShowLevelCaption(std::string_view title, std::string_view number, std::string_view file) {
  levelTitle_->setText(ToQString(title));
  levelNumber_->setText(ToQString(number));
  ShowFittedText(*levelFile_, FileNameToQString(file));
}

void MainWindow::DropDownLevelList() {
  const QRect title = ControlGeometry("txtLevel");
  const LayoutRect area =
      LevelRollDownArea({title.x(), title.y(), title.width(), title.height()}, levelNumber_->width(), height());
  rollDown_->DropDown(ToQRect(area));
}

void MainWindow::FocusCanvas() { canvas_->Viewport().setFocus(); }

bool MainWindow::LevelDropDownShown() const { return rollDown_->isVisible(); }

void MainWindow::ShowRecentLevels(const std::vector<std::string>& captions) {
  QMenu* file = SubMenu(*menuBar(), "mnuFile");
  QAction* separator = MenuItem("mnuFile7");
  for (int index = 0;; ++index) {
    QAction* item = MenuItem(ArrayItemName("mnuFileRecent", index));
    const bool used = index < static_cast<int>(captions.size());
    if (item == nullptr && !used) break;
    if (item == nullptr) {
      item = new QAction(file);
      item->setObjectName(ArrayItemName("mnuFileRecent", index));
      file->insertAction(separator, item);
    }
    if (used) item->setText(ToQString(captions[static_cast<std::size_t>(index)]));
    item->setVisible(used);
  }
  separator->setVisible(!captions.empty());
}

void MainWindow::ShowPasteModeMenus(bool pasteMode) {
  for (const char* menu : {"mnuFile", "mnuEdit", "mnuTools", "mnuView", "mnuHelp"}) MenuItem(menu)->setVisible(!pasteMode);
  MenuItem("mnuCancelPasteMode")->setVisible(pasteMode);
}

void MainWindow::EndProgram() {
  ended_ = true;
  close();
  emit ProgramEnded();
}

void MainWindow::HideBrushOutline() {
  editor_.preview.BrushOutline.Visible = false;
  canvas_->RedrawOverlays();
}

int MainWindow::MainWindowState() const { return isMaximized() ? kMaximised : 0; }

void MainWindow::SetMainWindowState(int state) {
  if (state == kMaximised) {
    showMaximized();
  } else if (isMaximized()) {
    showNormal();
  }
}

// geometry() is the client area, which is what the start-up's setGeometry places, so a window
// saved and restored never moves by its frame.
void MainWindow::ReadMainWindowPlacement(WindowPlacement& placement) const {
  placement.WindowState = isMinimized() ? kMinimised : MainWindowState();
  if (placement.WindowState != 0) return;
  const QRect client = geometry();
  placement = {client.x(), client.y(), client.width(), client.height(), 0};
}

void MainWindow::PopUpEditMenu() { EditMenu()->popup(QCursor::pos()); }

bool MainWindow::HelpOrSplashShown() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && (dynamic_cast<HelpWindow*>(window) != nullptr || dynamic_cast<SplashWindow*>(window) != nullptr)) {
      return true;
    }
  }
  return false;
}

// Form_Unload: the window never closes by itself; the exit asks, cleans up and ends the program.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ended_) ExitEditor(editor_);
  if (ended_) {
    event->accept();
  } else {
    event->ignore();
  }
}

// Form_Activate: the canvas takes the keys; help and the splash or about window give way.
void MainWindow::Activated() {
  canvas_->Viewport().setFocus();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    if (dynamic_cast<HelpWindow*>(window) != nullptr) editor_.ui.dialogs->HideHelp();
    if (auto* splash = dynamic_cast<SplashWindow*>(window)) splash->close();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activated();
  QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  ToolBarMouse(watched, event);
  if (watched == client_ && event->type() == QEvent::Resize) LayOut();
  // Form_MouseMove and the status bar's: the pointer left the canvas for the bare window.
  if (event->type() == QEvent::MouseMove && (watched == client_ || watched == statusBar_)) HideSelector(editor_);
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace brolt::editor
