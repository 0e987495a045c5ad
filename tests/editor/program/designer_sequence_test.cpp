// The editor started by its own start-up on a copy of the program folder and driven through its
// real widgets as a designer would, with one check after every step that the main window shows what
// the level, the view and the settings hold.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <filesystem>
#include <utility>

#include "common/test_database.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/minimap_palette.h"
#include "editor/model/canvas/start_view.h"
#include "editor/model/window/canvas_mouse.h"
#include "editor/model/window/main_window_timer.h"
#include "editor/program/editor_startup.h"
#include "editor/support/modal_script.h"
#include "editor/support/widget_events.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/boxes/input_box_window.h"
#include "editor/ui/boxes/message_box_window.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/preferences_window.h"
#include "editor/ui/main_window/mini_level.h"
#include "editor/ui/main_window/tile_palette.h"
#include "editor/ui/main_window/tool_bar.h"
#include "editor/ui/main_window/tool_panel.h"
#include "editor/ui/main_window/view_scroll_bar.h"
#include "editor/ui/qt/input_line.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

#ifdef BROLT_TEST_DIST_DIR
constexpr int kSteelWall = 10;

std::string Name(const QColor& colour) { return colour.name().toStdString(); }

// A copy of the program folder, so that the run changes nothing, with overwrite stored on and the
// grid off: the opposite of the window's design.
std::filesystem::path ProgramFolder(const testing::TempFolder& folder) {
  for (const char* part : {"Define.qdm", "Graphics", "Levels"}) {
    std::filesystem::copy(std::filesystem::path(BROLT_TEST_DIST_DIR) / part, folder / part,
                          std::filesystem::copy_options::recursive);
  }
  testing::RawDatabase(folder / "Define.qdm")
      .Execute("UPDATE Settings SET Value = CASE Variable WHEN 'overwritetiles' THEN '0' ELSE '-1' END "
               "WHERE Variable IN ('overwritetiles', 'showgrid')");
  return folder.path();
}

struct Sequence {
  testing::TempFolder folder;
  EditorProgram program{ProgramFolder(folder)};
  Editor& e = program.editor;
  MainWindow& window = program.mainWindow;

  Sequence() { Main(program); }
  ~Sequence() { window.hide(); }

  CanvasViewport& Canvas() { return window.Canvas().Viewport(); }
  int Side() const { return CellPixels(e.view); }
  QPoint Cell(int x, int y) const {
    return {(x - e.view.ViewX) * Side() + Side() / 2, (y - e.view.ViewY) * Side() + Side() / 2};
  }
  void Menu(const char* item) { window.MenuItem(item)->trigger(); }
  void MenuStep(const char* item, const std::string& step) {
    Menu(item);
    Check(step);
  }
  void Move(QWidget* widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    testing::SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
  }
  void Drag(QWidget* widget, QPoint from, QPoint to) {
    testing::Press(widget, from);
    Move(widget, to, Qt::LeftButton);
    testing::Release(widget, to);
  }
  void ChooseTool(int tool) { testing::Press(program.toolPanel->ToolButton(tool), {5, 5}); }
  // Pressed and released where the keyboard is, the canvas of the active main window.
  void Key(Qt::Key key) {
    QApplication::setActiveWindow(&window);
    Canvas().setFocus();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window, &event);
    }
  }
  bool TipShown() {
    const QWidget* tip = window.findChild<QWidget*>("tipLabel");
    return tip != nullptr && tip->isVisible();
  }
  // The cells a side of the viewport shows, 51 when the whole level fits.
  int Visible(int pixels) const { return pixels > e.view.LevelExtent ? kMapSize : pixels / Side(); }

  // The checker: what the main window shows against what the model holds.
  void Check(const std::string& step) {
    SCOPED_TRACE(step);
    const ViewState& view = e.view;
    Move(window.centralWidget(), {2, window.centralWidget()->height() - 30});  // over the bare window
    EXPECT_FALSE(TipShown());

    const QImage canvas = Canvas().grab().toImage();
    const bool grid = canvas.pixelColor(Side(), Side() / 2) == ColorFromText(e.prefs.GridDark);
    EXPECT_EQ(window.MenuItem("mnuViewGrid")->isChecked(), grid);
    EXPECT_EQ(grid, e.prefs.ShowGrid);
    int strayMarkers = 0;
    for (int x = view.ViewX; x < std::min(kLevelSize, view.ViewX + Canvas().width() / Side()); ++x) {
      for (int y = view.ViewY; y < std::min(kLevelSize, view.ViewY + Canvas().height() / Side()); ++y) {
        const QPoint corner((x - view.ViewX) * Side() + 1, (y - view.ViewY) * Side() + 1);
        if (e.preview.Marker(x, y) && (!e.level.Cell(x, y).Selected || canvas.pixelColor(corner) != Qt::white)) {
          ++strayMarkers;
        }
      }
    }
    const bool paste = e.clipboard.PasteMode;
    if (!paste) { EXPECT_EQ(strayMarkers, 0); }
    EXPECT_EQ((std::array{window.MenuItem("mnuEdit")->isVisible(), window.MenuItem("mnuCancelPasteMode")->isVisible()}),
              (std::array{!paste, paste}));

    CheckMinimap();
    const QRect back = window.ControlGeometry("LevelBack");
    const auto barEnd = [this](int pixels) { return Visible(pixels) > kLevelSize ? 0 : kMapSize - Visible(pixels); };
    LevelCanvas& bars = window.Canvas();
    EXPECT_EQ((std::array{bars.ScrX().value(), bars.ScrX().maximum(), bars.ScrY().value(), bars.ScrY().maximum()}),
              (std::array<int, 4>{view.ViewX, barEnd(back.width()), view.ViewY, barEnd(back.height())}));

    const ToolState& tools = e.tools;
    EXPECT_EQ(program.toolBar->SaturationLabel()->text(), QString("%1%").arg(tools.Saturation));
    for (QAction* item : window.menuBar()->findChildren<QAction*>()) {
      if (!item->objectName().startsWith("mnuToolsSaturationValue")) continue;
      EXPECT_EQ(item->isChecked(), item->objectName().mid(23).toInt() == tools.Saturation) << item->objectName().toStdString();
    }
    EXPECT_EQ(program.toolPanel->OverwriteBox()->isChecked(), tools.Overwrite);
    EXPECT_EQ(window.MenuItem("mnuToolsOverwrite")->isChecked(), tools.Overwrite);
    EXPECT_EQ(program.toolPanel->BrushSizeBar()->value(), tools.BrushSize);
    if (tools.CurrentTool == kBrushTool || tools.CurrentTool == kSelectorTool) {
      const QString width = QString::number(2 * tools.BrushSize - 1);
      EXPECT_EQ(program.toolBar->ThicknessLabel()->text(), width);
      for (int n = 1; n <= 15; ++n) {
        const QAction* item = window.MenuItem(QString("mnuToolsThickValue%1").arg(n));
        EXPECT_EQ(item->isChecked(), item->text() == width) << "Tools > Thickness > " << item->text().toStdString();
      }
    }
    CheckColours();
    CheckStatus();
  }

  // The widget as the screen shows it once the pending paints are done, not painted afresh as a grab
  // would: a part left unrepainted after a change shows what it showed before.
  QImage OnScreen(QWidget& widget) {
    QApplication::processEvents();
    const QPoint at = widget.mapTo(&window, QPoint(0, 0));
    return window.screen()->grabWindow(window.winId(), at.x(), at.y(), widget.width(), widget.height()).toImage();
  }

  void CheckMinimap() {
    const QImage mini = OnScreen(window.Minimap());
    const LevelState& level = e.level;
    bool pulsing = true;  // the first Thresher's dot takes the timer's pulse colours
    int wrongDots = 0;
    for (int x = 0; x < kLevelSize; ++x) {
      for (int y = 0; y < kLevelSize; ++y) {
        const int code = level.Cell(x, y).TileCode;
        if (code == kThresherTile && std::exchange(pulsing, false)) continue;
        QColor held = code == 0 ? QColor(Qt::black) : ColorFromRgb(MiniPaletteColour(e.tiles[code].Mini));
        if (level.StartMarkerPlaced && x == level.StartMarkerX && y == level.StartMarkerY) held = Qt::white;
        if (mini.pixelColor(3 * x + 1, 3 * y + 1) != held) ++wrongDots;
      }
    }
    EXPECT_EQ(wrongDots, 0);
    // The start marker fills its whole cell.
    if (level.StartMarkerPlaced) { EXPECT_EQ(mini.pixelColor(3 * level.StartMarkerX + 2, 3 * level.StartMarkerY + 2), Qt::white); }
    const CanvasShape& box = e.view.shpMiniSelect;
    const QRect back = window.ControlGeometry("LevelBack");
    EXPECT_EQ((std::array{static_cast<int>(box.Left), static_cast<int>(box.Top), box.Width, box.Height}),
              (std::array{3 * e.view.ViewX, 3 * e.view.ViewY, 3 * Visible(back.width()), 3 * Visible(back.height())}));
    const QPoint first(static_cast<int>(box.Left), static_cast<int>(box.Top));
    for (const QPoint corner : {first, first + QPoint(box.Width - 1, box.Height - 1)})
      EXPECT_EQ(Name(mini.pixelColor(corner)), Name(ColorFromText(e.prefs.GridLight)));
  }

  // The frames in the preference colours, and the kept boxes, which are built anew after a colour
  // change, in the current ones.
  void CheckColours() {
    const BoxColours now = ColoursOf(e.prefs);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      const QString name = widget->objectName();
      if (dynamic_cast<FrameShape*>(widget) == nullptr || name.isEmpty()) continue;
      const bool border = name.startsWith("shpMiscLine") || name == "ShpMisc15";
      // Each of the four sides, at its middle.
      const QImage frame = widget->grab().toImage();
      const int right = frame.width() - 1, bottom = frame.height() - 1;
      for (const QPoint side : {QPoint(right / 2, 0), QPoint(right / 2, bottom), QPoint(0, bottom / 2), QPoint(right, bottom / 2)})
        EXPECT_EQ(Name(frame.pixelColor(side)), Name(border ? now.border : now.gridLight)) << name.toStdString();
    }
    const QImage shown = OnScreen(*window.centralWidget());
    auto& client = static_cast<FramedPanel&>(*window.centralWidget());
    auto& toolBar = static_cast<FramedPanel&>(window.ToolBar());
    for (int id = 0; id <= 3; ++id) EXPECT_EQ(Name(shown.pixelColor(client.Frame(id).topLeft())), Name(now.border));
    for (int id : {5, 14}) EXPECT_EQ(Name(shown.pixelColor(toolBar.Frame(id).topLeft())), Name(now.gridLight));
    const QPoint barsCorner = window.ControlGeometry("LevelBack").bottomRight() - QPoint(3, 3);
    EXPECT_EQ(Name(shown.pixelColor(barsCorner)), Name(now.border));
    for (QWidget* box : QApplication::topLevelWidgets()) {
      if (dynamic_cast<MessageBoxWindow*>(box) == nullptr) continue;
      EXPECT_EQ(Name(box->findChild<QPushButton*>()->grab().toImage().pixelColor(10, 10)), Name(now.border));
    }
  }

  // The pointer comes to rest on a cell in the view, entering it from the next one.
  void CheckStatus() {
    const int x = e.view.ViewX + 1;
    const int y = e.view.ViewY + 1;
    Move(&Canvas(), Cell(x + 1, y + 1));
    Move(&Canvas(), Cell(x, y));
    EXPECT_EQ(TipShown(), e.clipboard.PasteMode);
    const LevelState& level = e.level;
    QString shown = window.StatusField(0).text();
    if (e.clipboard.PasteMode) {
      EXPECT_EQ(window.findChild<QLabel*>("tipLabel")->text(), kPasteTip);
      // A tip's pale yellow inside its box line, so that it reads over any cells.
      EXPECT_EQ(window.findChild<QLabel*>("tipLabel")->grab().toImage().pixelColor(2, 2), QColor(255, 255, 225));
      EXPECT_EQ(shown, QString(kPasteModeHint) + " ");
    } else if (level.StartMarkerPlaced && level.StartMarkerX == x && level.StartMarkerY == y) {
      EXPECT_EQ(shown, QString(kStartMarkerTip) + " ");
    } else {
      const int code = level.Cell(x, y).TileCode;
      EXPECT_TRUE(shown.startsWith(QString::fromStdString(code == 0 ? e.prefs.StatusBarText : "Tile: " + e.tiles[code].Desc)))
          << shown.toStdString();
      EXPECT_EQ(window.StatusField(1).text() + window.StatusField(2).text(), QString("Col: %1 Row: %2 ").arg(x).arg(y));
    }
  }
};

TEST(DesignerSequence, TheWindowShowsTheModelAfterEveryStep) {
  Sequence s;
  Editor& e = s.e;
  EXPECT_EQ(s.window.windowTitle(), "Brolt Editor");
  // The middle of the level in the middle of the viewport, once the window has its size.
  const ViewOrigin origin = StartViewOrigin(e.view.ViewportWidth, e.view.ViewportHeight, e.view.TileSize);
  EXPECT_EQ((std::array<int, 2>{e.view.ViewX, e.view.ViewY}), (std::array{std::max<int>(0, origin.x), std::max<int>(0, origin.y)}));
  // Every button of the tool bar and the tool panel shows its generated picture, none a stand-in caption.
  for (QWidget* bar : {static_cast<QWidget*>(s.program.toolBar), static_cast<QWidget*>(s.program.toolPanel)})
    for (const QAbstractButton* button : bar->findChildren<QAbstractButton*>())
      EXPECT_TRUE(button->text().isEmpty()) << button->text().toStdString();
  s.Check("start-up with overwrite stored on and the grid off");

  testing::WhenModalShown([](QWidget* dialog) {
    auto* load = static_cast<LoadDialog*>(dialog);
    testing::Click(load->Levels()->viewport(), load->Levels()->visualItemRect(load->Levels()->item(0)).center());
    load->OkButton()->click();
  });
  s.Menu("mnuFileLoad");
  ASSERT_EQ(e.level.LevelTitle, "Rock Garden");
  EXPECT_EQ(s.window.findChild<QLabel*>("txtLevelFile")->text().toStdString(), e.prefs.LevelFile);
  EXPECT_NE(s.window.findChild<QLabel*>("txtTileCount")->text(), "");
  EXPECT_TRUE(testing::SaveScreenshot(s.window, "main_window"));
  s.Check("a level of the shipped collection opened");

  s.ChooseTool(kBrushTool);
  s.window.setFocus();  // wherever the keys were
  testing::Click(s.window.Palette()->TileButton(kSteelWall), {5, 5});
  // They go to the canvas, where the arrows scroll and the shortcuts act.
  EXPECT_EQ(s.window.focusWidget(), &s.Canvas());
  s.Menu("mnuToolsThickValue3");
  const int left = e.view.ViewX;
  const int top = e.view.ViewY;
  s.Drag(&s.Canvas(), s.Cell(left + 4, top + 4), s.Cell(left + 8, top + 5));
  ASSERT_EQ(e.level.Cell(left + 8, top + 5).TileCode, kSteelWall);
  s.Check("painted with a 5 by 5 brush");
  s.program.toolPanel->BrushSizeBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  s.Check("a 3 by 3 brush chosen on the size bar");
  s.program.toolPanel->OverwriteBox()->click();
  s.Check("overwrite switched by its box");
  s.MenuStep("mnuToolsOverwrite", "overwrite switched back by its menu item");
  s.MenuStep("mnuViewGrid", "grid shown by its menu item");

  s.ChooseTool(kSelectorTool);
  s.Drag(&s.Canvas(), s.Cell(left + 2, top + 2), s.Cell(left + 6, top + 5));
  s.MenuStep("mnuEditCut", "selected and cut");
  testing::Click(&s.Canvas(), s.Cell(left + 12, top + 12));
  s.Check("pasted");
  testing::Click(&s.Canvas(), s.Cell(left + 12, top + 12), Qt::RightButton);
  s.Check("paste mode left");
  s.Drag(&s.Canvas(), s.Cell(left + 10, top + 10), s.Cell(left + 14, top + 14));
  s.MenuStep("mnuEditDelSelected", "Clear Selection");
  s.MenuStep("mnuEditClearLevel", "Clear All");
  s.MenuStep("mnuEditUndo", "Undo");
  testing::WhenModalShown([](QWidget* box) { static_cast<MessageBoxWindow*>(box)->Button(1)->click(); });  // No
  s.MenuStep("mnuFileNew", "New");

  s.ChooseTool(kBrushTool);
  s.Menu("mnuToolsThickValue7");
  s.MenuStep("mnuViewZoomLevel4", "zoomed in to 30");
  QScrollBar& across = s.window.Canvas().ScrX();
  across.setValue(across.maximum());
  s.Check("scrolled to the right edge");
  s.MenuStep("mnuViewZoomLevel2", "zoomed out to 20 at the right edge");
  s.MenuStep("mnuViewZoomLevel7", "zoomed in to 45, past the brush size");
  s.Menu("mnuViewZoomLevel2");
  s.MenuStep("mnuToolsSaturationValue50", "saturation 50%");
  // A value of the designer's own gets an item, shown chosen as the others are.
  testing::WhenModalShown([](QWidget* box) {
    auto* input = static_cast<InputBoxWindow*>(box);
    input->Line()->setText("55");
    QTest::keyClick(input->Line(), Qt::Key_Return);
  });
  s.MenuStep("mnuToolsSaturationCustom", "saturation 55% of the designer's own");
  ASSERT_EQ(e.tools.Saturation, 55);
  EXPECT_TRUE(s.window.MenuItem("mnuToolsSaturationValue55")->isChecked());
  s.Menu("mnuToolsSaturationValue50");
  s.MenuStep("mnuFileNew", "saturation 50% then New");
  across.setValue(across.maximum());
  testing::Click(&s.Canvas(), s.Cell(45, e.view.ViewY + 3));
  s.MenuStep("mnuToolsCenterOnLevel", "Center On Level, the tiles' middle past the bar's end");

  for (const QPoint& pointed : {QPoint(1, 1), QPoint(149, 1), QPoint(1, 149), QPoint(149, 149), QPoint(75, 75)}) {
    // The box's middle on the pointed cell, the box held on the minimap.
    const CanvasShape& box = e.view.shpMiniSelect;
    const auto origin = [](int pointer, int side) {
      return std::clamp(static_cast<int>(std::floor(pointer / 3 - side / 6.0)), 0, kLevelSize - side / 3);
    };
    const auto viewAt = [&] { return std::array<int, 2>{e.view.ViewX, e.view.ViewY}; };
    // The view follows the held pointer before the release, and the status bar names the pointed cell.
    testing::Press(&s.window.Minimap(), {75, 75});
    s.Move(&s.window.Minimap(), pointed, Qt::LeftButton);
    EXPECT_EQ(viewAt(), (std::array{origin(pointed.x(), box.Width), origin(pointed.y(), box.Height)}));
    EXPECT_EQ(s.window.StatusField(1).text() + s.window.StatusField(2).text(),
              QString("Col: %1 Row: %2 ").arg(pointed.x() / 3).arg(pointed.y() / 3));
    testing::Release(&s.window.Minimap(), pointed);
    EXPECT_EQ(viewAt(), (std::array{origin(pointed.x(), box.Width), origin(pointed.y(), box.Height)}));
    s.Check("minimap dragged to " + std::to_string(pointed.x()) + "," + std::to_string(pointed.y()));
  }

  s.ChooseTool(kPreviewStartTool);
  const QPoint marker = s.Cell(e.view.ViewX + 1, e.view.ViewY + 1);
  testing::Click(&s.Canvas(), marker);
  s.Check("preview start placed");
  testing::DoubleClick(&s.Canvas(), marker);
  EXPECT_FALSE(e.level.StartMarkerPlaced);
  s.Check("preview start removed by a double click");

  const std::string before = e.prefs.BorderColor;
  s.Key(Qt::Key_F12);
  ASSERT_NE(e.prefs.BorderColor, before);
  s.Check("F12");
  testing::WhenModalShown([](QWidget* dialog) {
    static_cast<PreferencesWindow*>(dialog)->BorderButton()->SetColorText("200,40,40");
    static_cast<PreferencesWindow*>(dialog)->OkButton()->click();
  });
  s.MenuStep("mnuFilePrefs", "preferences with a new border colour");
  EXPECT_TRUE(testing::SaveScreenshot(s.window, "designer_sequence"));
}

// Each button of the strips shows its picture and names itself under the pointer, and the window's
// own timer, which blinks the player's marker and scrolls under a held arrow, runs from the start.
TEST(DesignerSequence, EachButtonOfTheStripsShowsItsPictureAndTipAndTheWindowsTimerRuns) {
  Sequence s;
  std::vector<QToolButton*> buttons{s.program.toolBar->ZoomButton(), s.program.toolBar->SizeButton(),
                                    s.program.toolBar->SaturationButton()};
  for (int index = 0; index < ToolBar::kCommandCount; ++index) buttons.push_back(s.program.toolBar->CommandButton(index));
  for (int tool = 0; tool < ToolPanel::kToolCount; ++tool) buttons.push_back(s.program.toolPanel->ToolButton(tool));
  for (QToolButton* button : buttons) {
    EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    // Drawn at the picture's own size, not scaled to the style's.
    EXPECT_EQ(button->iconSize(), button->icon().availableSizes().value(0)) << button->objectName().toStdString();
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    // The pointer over a button repeats its tip in the status bar, in bold as every control's tip.
    s.Move(button, {5, 5});
    EXPECT_EQ(s.window.StatusField(0).text(), button->toolTip() + " ") << button->objectName().toStdString();
    EXPECT_TRUE(s.window.StatusField(0).font().bold()) << button->objectName().toStdString();
  }
  const auto tick = s.e.preview.TimerTick;
  EXPECT_TRUE(QTest::qWaitFor([&] { return s.e.preview.TimerTick != tick; }, 5000));
  // At its own pace: a busy machine may drop ticks, but none come early. The watched span holds one
  // due time an interval, and one more where it begins; a tick due before the watch started may come
  // late inside it, and the timer keeps its schedule after it.
  QElapsedTimer watch;
  watch.start();
  int ticks = 0;
  for (auto last = s.e.preview.TimerTick; watch.elapsed() < 500; QTest::qWait(1)) {
    if (s.e.preview.TimerTick == last) continue;
    ++ticks;
    last = s.e.preview.TimerTick;
  }
  EXPECT_LE(ticks, watch.elapsed() / kTimerIntervalMs + 2);
}

TEST(DesignerSequence, PageDownHeldDownOpensOneLevelAtATimeEachFullyOpenBeforeTheNext) {
  Sequence s;
  QApplication::setActiveWindow(&s.window);
  s.Canvas().setFocus();
  const auto pressPageDown = [] {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
  };
  // Two repeats of the held key arrive while the first step pauses with the level list open.
  QTimer::singleShot(100, [&] {
    pressPageDown();
    pressPageDown();
  });
  pressPageDown();
  EXPECT_EQ(s.e.level.LevelNumber, 1);
  EXPECT_FALSE(s.window.LevelDropDownShown());
  pressPageDown();
  EXPECT_EQ(s.e.level.LevelNumber, 2) << "once a level is open the next press steps on";
  s.Check("two levels stepped through");
}
#else
TEST(DesignerSequence, NeedsTheGeneratedContent) { GTEST_SKIP() << "the generated content is not part of this build"; }
#endif

}  // namespace
}  // namespace brolt::editor
