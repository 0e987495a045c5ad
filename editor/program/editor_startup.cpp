#include "editor/program/editor_startup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "common/numeric.h"
#include "common/stale_temporary_files.h"
#include "editor/model/canvas/canvas_redraw.h"
#include "editor/model/canvas/draw_selection_boxes.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/start_level.h"
#include "editor/model/canvas/start_view.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/exit_editor.h"
#include "editor/model/commands/recent_levels.h"
#include "editor/model/dialogs/splash_progress.h"
#include "editor/model/services/definitions_database.h"
#include "editor/model/services/help_topics.h"
#include "editor/model/tools/saturation.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/model/window/window_placement.h"
#include "editor/ui/boxes/pause.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/canvas/tileset_loading.h"
#include "editor/ui/dialogs/splash_window.h"
#include "editor/ui/main_window/tool_bar.h"
#include "editor/ui/main_window/tool_panel.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

constexpr int kHourglassPointer = 11;
constexpr int kDefaultPointer = 0;
constexpr int kStartPrimaryTile = 45;
constexpr int kStartCounterTile = kUnidTile;
constexpr double kSplashPaintPause = 0.01;
constexpr double kSplashClosePause = 0.15;
constexpr int kMaximised = 2;

ScreenArea AvailableScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0, 632, 532};
  const QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

void ShowMainWindow(EditorProgram& program) {
  const Preferences& prefs = program.editor.prefs;
  const WindowPlacement placed = PlaceOnScreen(prefs.Window, prefs.CenterWindow, AvailableScreen());
  program.mainWindow.setGeometry(placed.Left, placed.Top, placed.Width, placed.Height);
  if (placed.WindowState == kMaximised) {
    program.mainWindow.showMaximized();
  } else {
    program.mainWindow.show();
  }
}

// The splash window, shown and receiving the start-up's progress for as long as this lives.
class ShownSplash : public SplashDisplay {
 public:
  explicit ShownSplash(EditorProgram& program)
      : editor_(program.editor),
        withoutSplash_(program.editor.ui.splash),
        window_(program.editor, [&program] { return program.mainWindow.isVisible(); }) {
    editor_.ui.splash = this;
    StartSplashProgress(editor_);
    window_.show();
  }
  ~ShownSplash() override {
    editor_.ui.splash = withoutSplash_;
    window_.close();
  }
  ShownSplash(const ShownSplash&) = delete;
  ShownSplash& operator=(const ShownSplash&) = delete;

  void ShowProgress(double barWidth) override {
    const int steps = RoundToInt32(barWidth * kSplashSteps / kSplashBarFullWidth);
    while (window_.ProgressSteps() < steps) window_.UpdateSplashProgress();
  }
  void ShowLoadingText(std::string_view text) override { window_.SetLoadingText(ToQString(text)); }

 private:
  Editor& editor_;
  SplashDisplay* withoutSplash_;
  SplashWindow window_;
};

void CentreView(Editor& editor) {
  ViewOrigin origin = StartViewOrigin(editor.view.ViewportWidth, editor.view.ViewportHeight, editor.view.TileSize);
  ScrollTo(editor, origin.x, origin.y);
}

// The picture the canvas, the palette and the previews draw from, read once the catalogue stands.
void LoadTileset(EditorProgram& program) {
  UpdateSplashProgress(program.editor);
  ShowLoadingText(program.editor, "Loading tileset...");
  program.pictures = LoadTilesetPictures(TilesetPictureFile(program.editor));
  program.mainWindow.TilesetLoaded();
}

// The editor's whole-file writes go to the collections' folder and to the game's Levels folder, which
// takes the preview file; they are one folder by default. Nothing of ours writes a file atomically
// into the program folder at run time.
void RemoveCutOffWrites(const Editor& editor) {
  const std::filesystem::path collections = LevelsFolder(editor);
  const std::filesystem::path game = GameLevelsFolder(editor);
  RemoveStaleTemporaryFiles(collections);
  std::error_code different;
  if (!std::filesystem::equivalent(collections, game, different)) RemoveStaleTemporaryFiles(game);
}

}  // namespace

EditorProgram::EditorProgram(std::filesystem::path appPath)
    : editor{.AppPath = std::move(appPath)},
      menuCommands(new MenuCommands(editor, *mainWindow.menuBar())),
      toolBar(new ToolBar(editor, *menuCommands, *mainWindow.menuBar(), &mainWindow.ToolBar())),
      toolPanel(new ToolPanel(editor, *mainWindow.menuBar(), pictures, &mainWindow.ToolPanel())),
      controls(mainWindow, PanelWidgets{*toolBar, *toolPanel, *mainWindow.menuBar(), mainWindow.Canvas().Viewport()}) {
  editor.ui.window = &controls;
  editor.ui.canvas = &mainWindow.Canvas();
  editor.ui.dialogs = &dialogs;
  // The editor ends with its main window, even while the help or another window of its own is open.
  QObject::connect(&mainWindow, &MainWindow::ProgramEnded, QCoreApplication::instance(), &QCoreApplication::quit);
}

void Main(EditorProgram& program) {
  Editor& editor = program.editor;
  editor.ui.launcher = &program.launcher;
  OpenDefinitionsDatabase(editor);
  ReadDeveloperSwitch(editor);

  {
    ShownSplash splash(program);
    Pause(kSplashPaintPause);
    editor.ui.window->SetMousePointer(kHourglassPointer);
    InitEditor(program);
    UpdateSplashProgress(editor);
    ShowLoadingText(editor, "Starting...");
    OpenHelpTopics(editor);
    RefreshRecentMenu(editor);
    if (editor.prefs.ShowGrid) DrawGrid(editor);
    ShowMainWindow(program);
    CentreView(editor);
    editor.ui.window->SetMousePointer(kDefaultPointer);
  }
  Pause(kSplashClosePause);
  RemoveCutOffWrites(editor);
  PurgeEmptyCollectionFiles(editor);
  ListCollectionFiles(editor, false, true);
}

void InitEditor(EditorProgram& program) {
  Editor& editor = program.editor;
  LoadDefinitions(editor, [&program] { LoadTileset(program); });
  PrepareStartLevel(editor);
  UpdateSplashProgress(editor);
  ShowLoadingText(editor, "Drawing the grid...");

  ScrollTo(editor, editor.view.ViewX, editor.view.ViewY);
  SelectTool(editor, editor.prefs.CurrentTool, 0, true);
  SelectTool(editor, editor.prefs.CurrentTool, kStartPrimaryTile, false);
  editor.view.LevelExtent = RoundToInt32(editor.view.TileSize * kLevelSize);
  SetZoom(editor, RoundToInt32(editor.view.TileSize));
  SetSaturation(editor, 100);
  editor.ui.window->PaintBorders();

  UpdateSplashProgress(editor);
  ShowLoadingText(editor, "Loading selections...");
  NumberSelectionMarkers(editor.level.Map);
  DrawSelectionBoxes(editor);
  SetCounterTile(editor, kStartCounterTile);
  program.mainWindow.setWindowTitle(ToQString(editor.prefs.FormCaption));
  UpdateLevelCaption(editor);
}

}  // namespace brolt::editor
