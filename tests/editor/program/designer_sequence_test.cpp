// The editor started by its own start-up on a copy of the program folder, driven through its real
// widgets as a designer would, with one check after every step that what the main window shows is
// what the level, the view and the settings hold.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include "common/test_database.h"
#include "editor/model/canvas_geometry.h"
#include "editor/model/canvas_mouse.h"
#include "editor/model/minimap_palette.h"
#include "editor/program/editor_startup.h"
#include "editor/support/modal_script.h"
#include "editor/support/widget_events.h"
#include "editor/ui/box_look.h"
#include "editor/ui/canvas_viewport.h"
#include "editor/ui/framed_panel.h"
#include "editor/ui/help_window.h"
#include "editor/ui/input_box_window.h"
#include "editor/ui/level_canvas.h"
#include "editor/ui/load_dialog.h"
#include "editor/ui/message_box_window.h"
#include "editor/ui/mini_level.h"
#include "editor/ui/preferences_window.h"
#include "editor/ui/tile_palette.h"
#include "editor/ui/tool_bar.h"
#include "editor/ui/tool_panel.h"
#include "editor/ui/view_scroll_bar.h"
#include "editor/ui/wait_window.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

#ifdef BROLT_TEST_DIST_DIR
constexpr int kSteelWall = 10;
constexpr const char* kStartMarkerHint = " Preview Start - Double click to remove ";

std::ostream& operator<<(std::ostream& out, const QColor& colour) { return out << colour.name().toStdString(); }
std::ostream& operator<<(std::ostream& out, const QString& text) { return out << '"' << text.toStdString() << '"'; }

// Collects what disagrees, so that one step reports every difference at once.
class Differences {
 public:
  template <typename A, typename B>
  void Compare(const std::string& what, const A& shown, const B& held) {
    if (shown == held) return;
    std::ostringstream line;
    line << what << ": shows " << shown << ", holds " << held << "\n";
    text_ += line.str();
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

struct Sequence {
  testing::TempFolder folder;
  std::unique_ptr<EditorProgram> program;
  Editor* editor = nullptr;

  Sequence() {
    for (const char* part : {"Define.qdm", "Graphics", "Levels"}) {
      std::filesystem::copy(std::filesystem::path(BROLT_TEST_DIST_DIR) / part, folder / part,
                            std::filesystem::copy_options::recursive);
    }
    // Overwrite stored as on and the grid as off, the opposite of the window's design.
    testing::RawDatabase settings(folder / "Define.qdm");
    settings.Execute("UPDATE Settings SET Value = '0' WHERE Variable = 'overwritetiles'");
    settings.Execute("UPDATE Settings SET Value = '-1' WHERE Variable = 'showgrid'");
    program = std::make_unique<EditorProgram>(folder.path());
    editor = &program->editor;
    Main(*program);
  }
  ~Sequence() { program->mainWindow.hide(); }

  MainWindow& Window() { return program->mainWindow; }
  CanvasViewport& Canvas() { return Window().Canvas().Viewport(); }
  int Side() const { return CellPixels(editor->view); }
  QPoint CellPoint(int x, int y) const {
    return {(x - editor->view.ViewX) * Side() + Side() / 2, (y - editor->view.ViewY) * Side() + Side() / 2};
  }
  void Menu(const char* item) { Window().MenuItem(item)->trigger(); }
  void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    testing::SendMouse(widget, type, at, button, held);
  }
  void ClickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    testing::Click(&Canvas(), CellPoint(x, y), button);
  }
  void DragCells(int fromX, int fromY, int toX, int toY) {
    testing::Press(&Canvas(), CellPoint(fromX, fromY));
    Mouse(&Canvas(), QEvent::MouseMove, CellPoint(toX, toY), Qt::NoButton, Qt::LeftButton);
    testing::Release(&Canvas(), CellPoint(toX, toY));
  }
  void ChooseTool(int tool) { testing::Press(program->toolPanel->ToolButton(tool), {5, 5}); }
  // A key pressed and released on the canvas, which has the keyboard.
  void Key(Qt::Key key) {
    QApplication::setActiveWindow(&Window());
    Canvas().setFocus();
    QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(focus, &release);
  }
  void AnswerMessage(int button) {
    testing::WhenModalShown([button](QWidget* box) { static_cast<MessageBoxWindow*>(box)->Button(button)->click(); });
  }

  bool TipShown() {
    const QLabel* tip = Window().findChild<QLabel*>("tipLabel");
    return tip != nullptr && tip->isVisible();
  }

  // The checker: every control that shows the model against the model.
  void Check(const std::string& step) {
    SCOPED_TRACE(step);
    Differences d;
    // The pointer crosses the bare window, then rests on a cell inside the view.
    Mouse(Window().centralWidget(), QEvent::MouseMove, {2, Window().centralWidget()->height() - 30}, Qt::NoButton,
          Qt::NoButton);
    d.Compare("tip beside the pointer after leaving the canvas", TipShown(), false);
    CheckCanvas(d);
    CheckMinimap(d);
    CheckScrollBars(d);
    CheckToolControls(d);
    CheckFrames(d);
    CheckKeptWindows(d);
    CheckStatusAfterHover(d);
    EXPECT_EQ(d.Text(), "");
  }

  void CheckCanvas(Differences& d) {
    const QImage shown = Canvas().grab().toImage();
    const bool gridShown = shown.pixelColor(Side(), Side() / 2) == ColorFromText(editor->prefs.GridDark);
    d.Compare("Show Grid tick", Window().MenuItem("mnuViewGrid")->isChecked(), gridShown);
    d.Compare("grid drawn", gridShown, editor->prefs.ShowGrid);
    if (editor->clipboard.PasteMode) return;
    const int columns = Canvas().width() / Side();
    const int rows = Canvas().height() / Side();
    for (int x = editor->view.ViewX; x < std::min(kLevelSize, editor->view.ViewX + columns); ++x) {
      for (int y = editor->view.ViewY; y < std::min(kLevelSize, editor->view.ViewY + rows); ++y) {
        const bool marked = editor->preview.Marker(x, y);
        if (marked && !editor->level.Cell(x, y).Selected) d.Compare("marker of an unselected cell", x * 100 + y, -1);
        const QPoint corner((x - editor->view.ViewX) * Side() + 1, (y - editor->view.ViewY) * Side() + 1);
        if (marked && shown.pixelColor(corner) != Qt::white) d.Compare("marker drawn", x * 100 + y, -1);
      }
    }
  }

  void CheckMinimap(Differences& d) {
    const QImage mini = Window().Minimap().grab().toImage();
    const ViewState& view = editor->view;
    const LevelState& level = editor->level;
    bool playerFound = false;  // the first Thresher's dot pulses with the timer
    int wrong = 0;
    std::string first;
    for (int x = 0; x < kLevelSize; ++x) {
      for (int y = 0; y < kLevelSize; ++y) {
        const int code = level.Cell(x, y).TileCode;
        if (code == kThresherTile && !playerFound) {
          playerFound = true;
          continue;
        }
        QColor held = code == 0 ? QColor(Qt::black) : ColorFromRgb(MiniPaletteColour(editor->tiles[code].Mini));
        if (level.StartMarkerPlaced && x == level.StartMarkerX && y == level.StartMarkerY) held = Qt::white;
        if (mini.pixelColor(3 * x + 1, 3 * y + 1) == held) continue;
        if (wrong++ == 0) first = std::to_string(x) + "," + std::to_string(y);
      }
    }
    d.Compare("minimap dots unlike their cells, the first at " + first, wrong, 0);
    const CanvasShape& box = view.shpMiniSelect;
    const QColor light = ColorFromText(editor->prefs.GridLight);
    d.Compare("minimap box corner", mini.pixelColor(static_cast<int>(box.Left), static_cast<int>(box.Top)), light);
    d.Compare("minimap box left", static_cast<int>(box.Left), 3 * view.ViewX);
    d.Compare("minimap box top", static_cast<int>(box.Top), 3 * view.ViewY);
    d.Compare("minimap box width", box.Width, 3 * VisibleCells(Window().ControlGeometry("LevelBack").width()));
    d.Compare("minimap box height", box.Height, 3 * VisibleCells(Window().ControlGeometry("LevelBack").height()));
  }

  // The cells a viewport side shows, 51 when the whole level fits.
  int VisibleCells(int pixels) const {
    return pixels > editor->view.LevelExtent ? kLevelSize + 1 : pixels / Side();
  }

  void CheckScrollBars(Differences& d) {
    const QRect back = Window().ControlGeometry("LevelBack");
    const auto axis = [&](const char* name, const QScrollBar& bar, int origin, int pixels) {
      d.Compare(std::string(name) + " value", bar.value(), origin);
      const int cells = VisibleCells(pixels);
      d.Compare(std::string(name) + " maximum", bar.maximum(), cells > kLevelSize ? 0 : kMapSize - cells);
    };
    axis("ScrX", Window().Canvas().ScrX(), editor->view.ViewX, back.width());
    axis("ScrY", Window().Canvas().ScrY(), editor->view.ViewY, back.height());
  }

  void CheckToolControls(Differences& d) {
    const ToolState& tools = editor->tools;
    d.Compare("saturation label", program->toolBar->SaturationLabel()->text(), QString("%1%").arg(tools.Saturation));
    for (QAction* item : Window().menuBar()->findChildren<QAction*>()) {
      if (!item->objectName().startsWith("mnuToolsSaturationValue")) continue;
      d.Compare(item->objectName().toStdString() + " tick", item->isChecked(),
                item->objectName() == QString("mnuToolsSaturationValue%1").arg(tools.Saturation));
    }
    d.Compare("overwrite box", program->toolPanel->OverwriteBox()->isChecked(), tools.Overwrite);
    d.Compare("Overwite Tiles tick", Window().MenuItem("mnuToolsOverwrite")->isChecked(), tools.Overwrite);
    const QScrollBar* size = program->toolPanel->BrushSizeBar();
    d.Compare("brush size bar", size->value(), static_cast<int>(tools.BrushSize));
    if (tools.CurrentTool == kBrushTool || tools.CurrentTool == kSelectorTool) {
      d.Compare("thickness label", program->toolBar->ThicknessLabel()->text(), QString::number(2 * tools.BrushSize - 1));
    }
  }

  // The frames in the border colour and in the light grid colour, as the preferences hold them.
  void CheckFrames(Differences& d) {
    const QColor border = ColorFromText(editor->prefs.BorderColor);
    const QColor light = ColorFromText(editor->prefs.GridLight);
    for (QWidget* widget : Window().findChildren<QWidget*>()) {
      const auto* frame = dynamic_cast<FrameShape*>(widget);
      const QString name = widget->objectName();
      if (frame == nullptr || name.isEmpty()) continue;
      const bool inBorderColour =
          name.startsWith("shpMiscLine") || name == "ShpMisc15" || (name.startsWith("ShpMisc") && name.mid(7).toInt() <= 3);
      d.Compare(name.toStdString(), widget->grab().toImage().pixelColor(0, 0), inBorderColour ? border : light);
    }
    const QImage window = Window().centralWidget()->grab().toImage();
    auto& client = static_cast<FramedPanel&>(*Window().centralWidget());
    for (int id = 0; id <= 3; ++id) d.Compare("ShpMisc" + std::to_string(id), window.pixelColor(client.Frame(id).topLeft()), border);
    auto& toolBar = static_cast<FramedPanel&>(Window().ToolBar());
    for (int id : {5, 14}) d.Compare("ShpMisc" + std::to_string(id), window.pixelColor(toolBar.Frame(id).topLeft()), light);
  }

  // The kept boxes and help window are built anew after a colour change, so any that stands wears
  // the current colours.
  void CheckKeptWindows(Differences& d) {
    const BoxColours now = ColoursOf(editor->prefs);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!dynamic_cast<MessageBoxWindow*>(window) && !dynamic_cast<InputBoxWindow*>(window) &&
          !dynamic_cast<WaitWindow*>(window) && !dynamic_cast<HelpWindow*>(window)) {
        continue;
      }
      for (QWidget* frame : window->findChildren<QWidget*>()) {
        if (dynamic_cast<FrameShape*>(frame) == nullptr) continue;
        const QColor colour = frame->grab().toImage().pixelColor(0, 0);
        if (colour != now.border && colour != now.gridDark && colour != now.gridLight)
          d.Compare("frame of a kept window", colour, now.border);
      }
    }
  }

  void CheckStatusAfterHover(Differences& d) {
    const int x = editor->view.ViewX + 1;
    const int y = editor->view.ViewY + 1;
    // Paste mode tells of itself as the pointer enters another cell.
    Mouse(&Canvas(), QEvent::MouseMove, CellPoint(x + 1, y + 1), Qt::NoButton, Qt::NoButton);
    Mouse(&Canvas(), QEvent::MouseMove, CellPoint(x, y), Qt::NoButton, Qt::NoButton);
    d.Compare("paste tip shown", TipShown(), editor->clipboard.PasteMode);
    if (editor->clipboard.PasteMode) {
      d.Compare("paste tip", TipShown() ? Window().findChild<QLabel*>("tipLabel")->text() : QString(),
                QString(" LMB to paste, RMB to cancel. "));
      d.Compare("status", Window().StatusField(0).text(), QString(kPasteModeHint) + " ");
      return;
    }
    const LevelState& level = editor->level;
    if (level.StartMarkerPlaced && level.StartMarkerX == x && level.StartMarkerY == y) {
      d.Compare("status", Window().StatusField(0).text(), QString(kStartMarkerHint) + " ");
      return;
    }
    d.Compare("status column", Window().StatusField(1).text(), QString("Col: %1 ").arg(x));
    d.Compare("status row", Window().StatusField(2).text(), QString("Row: %1 ").arg(y));
    const int code = level.Cell(x, y).TileCode;
    const std::string tile = code == 0 ? editor->prefs.StatusBarText : "Tile: " + editor->tiles[code].Desc;
    d.Compare("status tile", Window().StatusField(0).text().startsWith(QString::fromStdString(tile)), true);
  }
};

TEST(DesignerSequence, TheWindowShowsTheModelAfterEveryStep) {
  Sequence s;
  Editor& e = *s.editor;
  s.Check("start-up with overwrite stored on and the grid off");

  testing::WhenModalShown([](QWidget* dialog) {
    auto* load = static_cast<LoadDialog*>(dialog);
    QListWidget* levels = load->Levels();
    testing::Click(levels->viewport(), levels->visualItemRect(levels->item(0)).center());
    load->OkButton()->click();
  });
  s.Menu("mnuFileLoad");
  ASSERT_EQ(e.level.LevelTitle, "Rock Garden");
  s.Check("a level of the shipped collection opened");

  s.ChooseTool(kBrushTool);
  testing::Click(s.Window().Palette()->TileButton(kSteelWall), {5, 5});
  s.Menu("mnuToolsThickValue3");
  s.DragCells(e.view.ViewX + 4, e.view.ViewY + 4, e.view.ViewX + 8, e.view.ViewY + 5);
  ASSERT_EQ(e.level.Cell(e.view.ViewX + 8, e.view.ViewY + 5).TileCode, kSteelWall);
  s.Check("painted with a 5 by 5 brush");

  s.ChooseTool(kSelectorTool);
  s.DragCells(e.view.ViewX + 2, e.view.ViewY + 2, e.view.ViewX + 6, e.view.ViewY + 5);
  s.Menu("mnuEditCut");
  ASSERT_TRUE(e.clipboard.PasteMode);
  s.Check("selected and cut");
  s.ClickCell(e.view.ViewX + 12, e.view.ViewY + 12);
  s.Check("pasted");
  s.ClickCell(e.view.ViewX + 12, e.view.ViewY + 12, Qt::RightButton);
  s.Check("paste mode left");

  s.DragCells(e.view.ViewX + 10, e.view.ViewY + 10, e.view.ViewX + 14, e.view.ViewY + 14);
  s.Menu("mnuEditDelSelected");
  s.Check("Clear Selection");
  s.Menu("mnuEditClearLevel");
  s.Check("Clear All");
  s.Menu("mnuEditUndo");
  s.Check("Undo");
  s.AnswerMessage(1);  // No: the changes go
  s.Menu("mnuFileNew");
  s.Check("New");

  s.ChooseTool(kBrushTool);
  s.Menu("mnuToolsThickValue7");
  s.Menu("mnuViewZoomLevel4");
  s.Check("zoomed in to 30");
  QScrollBar& across = s.Window().Canvas().ScrX();
  across.setValue(across.maximum());
  s.Check("scrolled to the right edge");
  s.Menu("mnuViewZoomLevel2");
  s.Check("zoomed out to 20 at the right edge");
  s.Menu("mnuViewZoomLevel7");
  s.Check("zoomed in to 45, past the brush size");
  s.Menu("mnuViewZoomLevel2");

  s.Menu("mnuToolsSaturationValue50");
  s.Check("saturation 50%");
  s.Menu("mnuFileNew");
  s.Check("saturation 50% then New");
  across.setValue(across.maximum());
  s.ClickCell(45, e.view.ViewY + 3);
  s.Menu("mnuToolsCenterOnLevel");  // the content's middle lies past the bar's end
  s.Check("Center On Level with the tiles by the right edge");

  MiniLevel& minimap = s.Window().Minimap();
  for (const QPoint& pointed : {QPoint(1, 1), QPoint(149, 1), QPoint(1, 149), QPoint(149, 149), QPoint(75, 75)}) {
    testing::Press(&minimap, pointed);
    s.Mouse(&minimap, QEvent::MouseMove, pointed, Qt::NoButton, Qt::LeftButton);
    testing::Release(&minimap, pointed);
    const std::string where = std::to_string(pointed.x()) + "," + std::to_string(pointed.y());
    // The box's middle on the pointed cell, held inside the minimap.
    const CanvasShape& box = e.view.shpMiniSelect;
    const auto held = [](int pointer, int side) {
      return std::clamp(static_cast<int>(std::floor(pointer / 3 - side / 6.0)), 0, kLevelSize - side / 3);
    };
    EXPECT_EQ(e.view.ViewX, held(pointed.x(), box.Width)) << where;
    EXPECT_EQ(e.view.ViewY, held(pointed.y(), box.Height)) << where;
    s.Check("minimap dragged to " + where);
  }

  s.ChooseTool(kPreviewStartTool);
  const int markerX = e.view.ViewX + 1;
  const int markerY = e.view.ViewY + 1;
  s.ClickCell(markerX, markerY);
  ASSERT_TRUE(e.level.StartMarkerPlaced);
  s.Check("preview start placed");
  const QPoint marker = s.CellPoint(markerX, markerY);
  testing::Press(&s.Canvas(), marker);
  testing::Release(&s.Canvas(), marker);
  s.Mouse(&s.Canvas(), QEvent::MouseButtonDblClick, marker, Qt::LeftButton, Qt::LeftButton);
  testing::Release(&s.Canvas(), marker);
  EXPECT_FALSE(e.level.StartMarkerPlaced);
  s.Check("preview start removed by a double click");

  const std::string before = e.prefs.BorderColor;
  s.Key(Qt::Key_F12);
  ASSERT_NE(e.prefs.BorderColor, before);
  s.Check("F12");

  testing::WhenModalShown([](QWidget* dialog) {
    auto* preferences = static_cast<PreferencesWindow*>(dialog);
    preferences->BorderButton()->SetColorText("200,40,40");
    preferences->OkButton()->click();
  });
  s.Menu("mnuFilePrefs");
  ASSERT_EQ(e.prefs.BorderColor, "200,40,40");
  s.Check("preferences with a new border colour");
  EXPECT_TRUE(testing::SaveScreenshot(s.Window(), "designer_sequence"));
}
#else
TEST(DesignerSequence, NeedsTheGeneratedContent) { GTEST_SKIP() << "the generated content is not part of this build"; }
#endif

}  // namespace
}  // namespace brolt::editor
