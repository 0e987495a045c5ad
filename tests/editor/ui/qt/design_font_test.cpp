// Texts sized for the designed controls are shown whole in the font the editor runs with.
#include "editor/ui/qt/design_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editor/model/window/canvas_mouse.h"
#include "editor/model/collections/load_dialog_rules.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/main_window/main_window.h"

namespace brolt::editor {
namespace {

constexpr int kWhite = 0xFFFFFF;
const std::string kLongestTitle = "Down The Long Corridor Of Gem";  // the 29 characters a title may have

// Where a widget draws one line of text, and how wide that place is.
struct TextPlace {
  QWidget* widget = nullptr;
  QString text;
  int width = 0;
};

// An item view's row draws its text inside the viewport, a margin in from each side.
TextPlace ListRow(QListWidget& list, int row) {
  const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
  return {&list, list.item(row)->text(), list.viewport()->width() - 2 * margin};
}

struct DesignedTexts : testing::LevelsFolderEditor {
  TilesetPictures pictures = testing::SyntheticTileset();
  std::unique_ptr<MainWindow> main;
  std::unique_ptr<LoadDialog> load;
  LoadDialogState loading;

  // The main window at the size it opens with, as the designer first sees it.
  MainWindow& Main() {
    main = std::make_unique<MainWindow>(editor, pictures);
    editor.ui.window = main.get();
    editor.ui.canvas = &main->Canvas();
    main->TilesetLoaded();
    main->show();
    return *main;
  }
  // As many levels as the lists show without scrolling.
  std::vector<std::string> LongTitles() const { return std::vector<std::string>(5, kLongestTitle); }

  TextPlace LoadDialogLevel() {
    WriteLevels("a.lvl", LongTitles());
    EXPECT_TRUE(PrepareLoadDialog(editor, loading));
    load = std::make_unique<LoadDialog>(editor, loading);
    load->show();
    return ListRow(*load->Levels(), 0);
  }
  TextPlace RollDownLevel() {
    MainWindow& window = Main();
    for (const std::string& title : LongTitles()) editor.collections.DropDownEntries.push_back("001   " + title);
    window.DropDownLevelList();
    return ListRow(*window.findChild<QListWidget*>("lstDropDown"), 0);
  }
  TextPlace ToolBarCollection() {
    MainWindow& window = Main();
    window.ShowLevelCaption(kLongestTitle, "(001/001)", "Designer Set.lvl");
    auto* label = window.findChild<QLabel*>("txtLevelFile");
    return {label, label->text(), label->contentsRect().width()};
  }
  TextPlace PasteModeStatus() {
    MainWindow& window = Main();
    window.ShowStatusText(kPasteModeHint, 0, true, false, kWhite);
    auto* message = window.findChild<QLabel*>("StatusText0");
    return {message, message->text(), message->contentsRect().width()};
  }
};

TEST(DesignedTexts, TheLongestTextsOfTheDesignedControlsAreShownWhole) {
  struct Case {
    const char* where;
    const char* picture;
    std::function<TextPlace(DesignedTexts&)> show;
    QString expected;
  };
  const Case cases[] = {
      {"load dialog's level list", "load_dialog_long_title", &DesignedTexts::LoadDialogLevel, "001   Down The Long Corridor Of Gem"},
      {"level roll-down", "roll_down_long_title", &DesignedTexts::RollDownLevel, "001   Down The Long Corridor Of Gem"},
      {"tool bar's collection", "tool_bar_collection", &DesignedTexts::ToolBarCollection, "Designer Set.lvl"},
      {"paste mode's status", "paste_mode_status", &DesignedTexts::PasteModeStatus, QString(kPasteModeHint) + " "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    DesignedTexts t;
    const TextPlace place = c.show(t);
    ASSERT_EQ(place.text, c.expected);
    const int needed = QFontMetrics(place.widget->font()).horizontalAdvance(place.text);
    EXPECT_LE(needed, place.width);
    EXPECT_TRUE(testing::SaveScreenshot(*place.widget->window(), c.picture));
  }
}

}  // namespace
}  // namespace brolt::editor
