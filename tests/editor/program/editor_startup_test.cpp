// The start-up on a folder of the fewest definitions; its run on the generated content is the
// designer sequence's first step.
#include "editor/program/editor_startup.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QKeyEvent>
#include <filesystem>
#include <optional>
#include <set>

#include "common/collection_file.h"
#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/start_view.h"
#include "editor/model/dialogs/splash_progress.h"
#include "editor/model/services/definitions_database.h"
#include "editor/support/definitions_fixture.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/scripted_dialogs.h"
#include "editor/support/widget_events.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/main_window/tool_bar.h"
#include "editor/ui/main_window/tool_panel.h"
#include "editor/ui/main_window/view_scroll_bar.h"
#include "editor/ui/dialogs/splash_window.h"
#include "support/cut_off_writes.h"

namespace brolt::editor {
namespace {

class RecordingWindow : public WindowControls {
 public:
  std::vector<int> pointers;
  std::vector<bool> developerItems;
  void SetMousePointer(int pointer) override { pointers.push_back(pointer); }
  void ShowDeveloperItems(bool visible) override { developerItems.push_back(visible); }
};

// The tileset picture that the start-up reads, one colour all over.
bool WriteTileset(const testing::DefinitionsFixture& fixture) {
  std::filesystem::create_directory(fixture.folder / "Graphics");
  QImage tileset(256, 256, QImage::Format_RGB32);
  tileset.fill(Qt::darkGreen);
  return tileset.save(QString::fromStdString((fixture.folder / "Graphics" / "Tileset.bmp").string()));
}

TEST(EditorStartup, OpensTheMainWindowWhereItWasLeftOnABlankLevelThatCanBeUndoneTo) {
  testing::DefinitionsFixture fixture;
  fixture.AddRows("KARVEL", {{"brenwick", "zq"}});
  fixture.AddSettings({{"formcaption", "My Editor"}, {"tilewidth", "25"}, {"windowstate", "0"}, {"windowx", "30"},
                       {"windowy", "40"}, {"windoww", "700"}, {"windowh", "500"}, {"centerwindow", "-1"},
                       {"statusbar", "Right-click any control for help."}});
  ASSERT_TRUE(WriteTileset(fixture));
  RecordingWindow window;
  brolt::testing::ScriptedDialogs dialogs;  // the empty levels folder asks for a first collection
  EditorProgram program(fixture.folder.path());
  program.editor.ui.window = &window;
  program.editor.ui.dialogs = &dialogs;

  Main(program);

  const Editor& editor = program.editor;
  EXPECT_EQ(window.developerItems, std::vector<bool>{true});
  EXPECT_EQ(editor.splash.Steps, 5);
  ASSERT_FALSE(window.pointers.empty());  // the hourglass over the start-up, the default after it
  EXPECT_EQ(window.pointers.front(), 11);
  EXPECT_EQ(window.pointers.back(), 0);
  EXPECT_TRUE(program.mainWindow.isVisible());
  EXPECT_EQ(program.mainWindow.windowTitle(), "My Editor");
  EXPECT_EQ(editor.view.LevelExtent, 1250);
  EXPECT_EQ(editor.undo.UndoIndex, 0);
  EXPECT_TRUE(IsUndoSlotWritten(editor.undo, 0));
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.Cell(49, 49).MarkerIndex, 2500);

  program.editor.ui.window = &program.controls;  // the program's own window from here on
  MainWindow& shown = program.mainWindow;
  QApplication::setActiveWindow(&shown);  // the canvas takes the keys
  for (const auto& [key, held] : {std::pair{Qt::Key_Space, "YOU ARE IN ERASE MODE... "},
                                  std::pair{Qt::Key_S, "YOU ARE IN SPUNGE MODE... "}}) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget(), &event);
      EXPECT_EQ(shown.StatusField(0).text().toStdString(),
                type == QEvent::KeyPress ? held : "Right-click any control for help. ");  // the cell's text again
    }
  }
  testing::Click(&shown.StatusField(2), {3, 3}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics.back(), "statusbar");

  // Saved and restored as the client area (geometry(), which setGeometry places); offscreen has no
  // frame to tell it from the outer one, but on a desktop keeping to it stops any creep by the frame.
  EXPECT_EQ(shown.geometry(), QRect(30, 40, 700, 500));
  shown.setGeometry(50, 60, 720, 510);
  shown.close();  // the exit saves the preferences
  ASSERT_TRUE(shown.Ended());
  EditorProgram again(fixture.folder.path());
  again.editor.ui.dialogs = &dialogs;
  Main(again);
  EXPECT_EQ(again.mainWindow.geometry(), QRect(50, 60, 720, 510));
  again.mainWindow.hide();
}

// File > Exit ends the program though the help window is still open.
TEST(EditorStartup, ExitEndsTheProgramWhileTheHelpWindowIsOpen) {
  testing::DefinitionsFixture fixture;
  ASSERT_TRUE(WriteTileset(fixture));
  fixture.raw.Execute("INSERT INTO EditorHelp VALUES ('Help', 'How to use the editor.', 0, 'help')");
  EditorProgram program(fixture.folder.path());
  brolt::testing::ScriptedDialogs starting;  // the empty levels folder asks for a first collection
  program.editor.ui.dialogs = &starting;
  Main(program);
  program.editor.ui.dialogs = &program.dialogs;
  program.dialogs.ShowHelpTopic("help");
  bool helpShown = false;
  QTimer::singleShot(0, [&] {
    for (const QWidget* window : QApplication::topLevelWidgets())
      helpShown = helpShown || (window != &program.mainWindow && window->isVisible());
    program.mainWindow.MenuItem("mnuFileExit")->trigger();
  });
  QTimer stillRunning;  // stopped with the test, so that it ends no later test's loop
  stillRunning.setSingleShot(true);
  QObject::connect(&stillRunning, &QTimer::timeout, [] { QApplication::exit(2); });
  stillRunning.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(helpShown);
  EXPECT_TRUE(program.mainWindow.Ended());
}

// What a write cut off by a crash left goes at the start from both folders the editor writes in; a
// person's hidden files, fresh or old, and a write still running stay.
TEST(EditorStartup, RemovesOnlyWhatACutOffWriteLeftWhereItWrites) {
  for (const auto& [personsFilesOld, runningHeldAt] :
       {std::pair{false, ReplaceStep::BytesWritten}, std::pair{true, ReplaceStep::Flushed}}) {
    SCOPED_TRACE(personsFilesOld ? "old" : "fresh");
    testing::DefinitionsFixture fixture;
    fixture.AddSettings({{"levelspath", "/Collections/"}});
    ASSERT_TRUE(WriteTileset(fixture));
    brolt::testing::FolderAfterACrash collections(fixture.folder / "Collections", personsFilesOld, runningHeldAt);
    brolt::testing::FolderAfterACrash gameLevels(fixture.folder / "Levels", personsFilesOld, runningHeldAt);
    RecordingWindow window;
    brolt::testing::ScriptedDialogs dialogs;
    EditorProgram program(fixture.folder.path());
    program.editor.ui.window = &window;
    program.editor.ui.dialogs = &dialogs;
    Main(program);
    collections.ExpectOnlyTheLeftoverRemoved();
    gameLevels.ExpectOnlyTheLeftoverRemoved();
    program.mainWindow.hide();
  }
}

// Each step of the start-up as the main window shows it once it stands, from the stored settings, a
// collection of two levels and a recent level.
TEST(EditorStartup, EachStepOfTheStartUpShowsInTheWindow) {
  testing::DefinitionsFixture fixture;
  fixture.AddRows("KARVEL", {{"brenwick", "zq"}});
  fixture.AddSettings({{"formcaption", "My Editor"}, {"tilewidth", "25"}, {"tool", "2"}, {"showgrid", "0"},
                       {"levelfile", "Set.lvl"}, {"levelname", "Garden"}, {"griddark", "10,70,20"}});
  fixture.raw.Execute("INSERT INTO Recent VALUES (0, 'Set.lvl', 2, 'Second'); "
                      "INSERT INTO Tileset VALUES (21, 'Unid', 0, 0, 5, 3, 2, 0), (45, 'Dirt', 0, 0, 5, 6, 3, 0)");
  ASSERT_TRUE(WriteTileset(fixture));
  std::filesystem::create_directory(fixture.folder / "Levels");
  WriteCollection(fixture.folder / "Levels" / "Set.lvl", {testing::LevelText("First"), testing::LevelText("Second")});
  brolt::testing::ScriptedDialogs dialogs;
  EditorProgram program(fixture.folder.path());
  program.editor.ui.dialogs = &dialogs;
  Main(program);
  const Editor& e = program.editor;
  MainWindow& shown = program.mainWindow;
  const auto text = [&](const char* label) { return shown.findChild<QLabel*>(label)->text().toStdString(); };
  const auto ticked = [&](const char* item) { return shown.MenuItem(item)->isChecked() ? "ticked" : "clear"; };
  const QImage canvas = shown.Canvas().Viewport().grab().toImage();
  const ViewOrigin centre = StartViewOrigin(e.view.ViewportWidth, e.view.ViewportHeight, e.view.TileSize);
  const std::pair<std::string, std::string> seen[] = {
      {"caption", shown.windowTitle().toStdString()},
      {"level", text("txtLevel") + " " + text("txtLevelNum") + " " + text("txtLevelFile")},
      {"recent", shown.MenuItem("mnuFileRecent0")->text().toStdString()},
      {"developer items", shown.MenuItem("mnuToolsBan2")->isVisible() ? "shown" : "hidden"},
      {"grid", std::string(ticked("mnuViewGrid")) + (canvas.pixelColor(CellPixels(e.view), 3) == QColor(10, 70, 20)
                                                         ? ", drawn" : ", not drawn")},
      {"zoom", program.toolBar->ZoomLabel()->text().toStdString() + " " + ticked("mnuViewZoomLevel3")},
      {"saturation", program.toolBar->SaturationLabel()->text().toStdString() + " " +
                         ticked("mnuToolsSaturationValue100")},
      {"tool", program.toolPanel->ToolButton(2)->isChecked() ? "fill" : "other"},
      {"tiles", std::to_string(e.tools.PrimaryTile) + "/" + std::to_string(e.tools.PrimaryDirection) + " " +
                    std::to_string(e.tools.SecondaryTile) + "/" + std::to_string(e.tools.SecondaryDirection)},
      {"counter", shown.findChild<QLabel*>("picTileCount")->toolTip().toStdString() + text("txtTileCount")},
      {"view", std::to_string(shown.Canvas().ScrX().value() - std::max<int>(0, centre.x)) + "," +
                   std::to_string(shown.Canvas().ScrY().value() - std::max<int>(0, centre.y))},
  };
  const std::pair<std::string, std::string> expected[] = {
      {"caption", "My Editor"},
      {"level", "Garden (Unsaved) Set.lvl"},
      {"recent", "&1 Second"},
      {"developer items", "shown"},
      {"grid", "ticked, drawn"},
      {"zoom", "25 ticked"},
      {"saturation", "100% ticked"},
      {"tool", "fill"},
      {"tiles", "45/0 0/0"},
      {"counter", " Tile Counter (Unid) 0"},
      {"view", "0,0"},
  };
  for (std::size_t n = 0; n < std::size(seen); ++n) EXPECT_EQ(seen[n], expected[n]);
  shown.hide();
}

// The main window as each stored window state and centring open it, and the place and state the
// exit stores again: a minimised editor opens where the designer can see it. Switches are stored
// as 0 for on and -1 for off.
TEST(EditorStartup, OpensTheWindowInEachStoredStateAndStoresThePlaceAndStateItIsLeftIn) {
  struct Case {
    const char* state;
    const char* centred;
    bool maximised;
    const char* left;  // the state the exit stores
  };
  const Case cases[] = {{"0", "-1", false, "0"}, {"1", "-1", false, "0"}, {"2", "-1", true, "2"},
                        {"0", "0", false, "0"}, {"2", "0", true, "2"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("state ") + c.state + ", centred " + c.centred);
    testing::DefinitionsFixture fixture;
    fixture.AddSettings({{"windowstate", c.state}, {"windowx", "30"}, {"windowy", "40"}, {"windoww", "700"},
                         {"windowh", "500"}, {"centerwindow", c.centred}});
    ASSERT_TRUE(WriteTileset(fixture));
    brolt::testing::ScriptedDialogs dialogs;
    EditorProgram program(fixture.folder.path());
    program.editor.ui.dialogs = &dialogs;
    Main(program);
    MainWindow& shown = program.mainWindow;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed = c.centred == std::string("0")
                             ? QRect(screen.x() + (screen.width() - 700) / 2, screen.y() + (screen.height() - 500) / 2, 700, 500)
                             : QRect(30, 40, 700, 500);
    EXPECT_TRUE(shown.isVisible());
    EXPECT_FALSE(shown.isMinimized());
    EXPECT_EQ(shown.isMaximized(), c.maximised);
    if (!c.maximised) {
      EXPECT_EQ(shown.geometry(), placed);
    }
    shown.close();
    ASSERT_TRUE(shown.Ended());
    const QRect kept = c.maximised ? QRect(30, 40, 700, 500) : placed;
    EXPECT_EQ(fixture.SettingValues(),
              (std::vector<std::optional<std::string>>{c.left, std::to_string(kept.x()), std::to_string(kept.y()), "700",
                                                       "500", c.centred}));
  }
}

// The splash window through the start-up: each stage of loading named as its bar grows by a step,
// "Starting..." on a full bar as the main window comes up, and gone once it stands.
class RecordingSplash : public SplashDisplay {
 public:
  void ShowProgress(double width) override { told.push_back("bar " + std::to_string(RoundToInt32(width / 88.2))); }
  void ShowLoadingText(std::string_view text) override { told.emplace_back(text); }
  std::vector<std::string> told;
};

// What the splash window shows when the main window comes up.
class SplashAtShowing : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* splash = dynamic_cast<SplashWindow*>(window); splash != nullptr && splash->isVisible())
        shown = splash->LoadingLabel()->text().toStdString() + ", bar " + std::to_string(splash->ProgressSteps());
    return false;
  }
  std::string shown;
};

TEST(EditorStartup, TheSplashNamesEachStageAsItsBarFillsInFiveStepsAndGoesOnceTheWindowStands) {
  testing::DefinitionsFixture fixture;
  ASSERT_TRUE(WriteTileset(fixture));
  brolt::testing::ScriptedDialogs dialogs;
  {
    EditorProgram program(fixture.folder.path());
    program.editor.ui.dialogs = &dialogs;
    RecordingSplash splash;
    program.editor.ui.splash = &splash;
    OpenDefinitionsDatabase(program.editor);
    InitEditor(program);
    EXPECT_EQ(splash.told, (std::vector<std::string>{"bar 1", "Loading tileset...", "bar 2", "Loading preferences...",
                                                     "bar 3", "Drawing the grid...", "bar 4", "Loading selections..."}));
  }
  EditorProgram program(fixture.folder.path());
  program.editor.ui.dialogs = &dialogs;
  SplashAtShowing splash;
  program.mainWindow.installEventFilter(&splash);
  Main(program);
  EXPECT_EQ(splash.shown, "Starting..., bar 5");
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(window->isVisible() && dynamic_cast<SplashWindow*>(window) != nullptr);
  program.mainWindow.hide();
}

// What the start-up tells the designer about the Levels folder, and what the folder holds after:
// a collection without a level is removed, and without any collection a first one is offered.
TEST(EditorStartup, OffersAFirstCollectionOnlyWhenTheLevelsFolderHoldsNoneWithALevel) {
  const std::string none = "No level collections are present in the Levels folder. Click Ok to create one.";
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, int>> collections;  // name and levels
    std::vector<std::string> told;                        // messages, prompts and help topics
    std::set<std::string> after;
  };
  const Case cases[] = {
      {"a collection", {{"Set.lvl", 1}}, {}, {"Set.lvl"}},
      {"none", {}, {"help gettingstarted", none, "Type a new collection filename below."}, {"First.lvl"}},
      {"one without a level", {{"Empty.lvl", 0}}, {"help gettingstarted", none, "Type a new collection filename below."},
       {"First.lvl"}},
      {"one without a level beside a collection", {{"Empty.lvl", 0}, {"Set.lvl", 2}}, {}, {"Set.lvl"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::DefinitionsFixture fixture;
    ASSERT_TRUE(WriteTileset(fixture));
    const std::filesystem::path levels = fixture.folder / "Levels";
    std::filesystem::create_directory(levels);
    for (const auto& [name, count] : c.collections)
      WriteCollection(levels / name, std::vector<std::string>(static_cast<std::size_t>(count), testing::LevelText("A")));
    // Every box and question in the order shown.
    struct TellingDialogs : brolt::testing::ScriptedDialogs {
      std::vector<std::string> told;
      int ShowMessageBox(std::string_view text, ButtonSet buttons, std::string_view key) override {
        told.emplace_back(text);
        return ScriptedDialogs::ShowMessageBox(text, buttons, key);
      }
      std::string ShowInputBox(std::string_view prompt, std::string_view text, int length) override {
        told.emplace_back(prompt);
        return ScriptedDialogs::ShowInputBox(prompt, text, length);
      }
      void ShowHelpTopic(std::string_view key) override { told.push_back("help " + std::string(key)); }
    } dialogs;
    dialogs.inputAnswers = {"First"};
    EditorProgram program(fixture.folder.path());
    program.editor.ui.dialogs = &dialogs;
    Main(program);
    EXPECT_EQ(dialogs.told, c.told);
    std::set<std::string> after;
    for (const auto& entry : std::filesystem::directory_iterator(levels)) after.insert(entry.path().filename().string());
    EXPECT_EQ(after, c.after);
    program.mainWindow.hide();
  }
}

}  // namespace
}  // namespace brolt::editor
