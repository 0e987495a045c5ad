// The editor on a real X server, as on a designer's desktop: a tool and a tile chosen by their keys,
// tiles clicked onto the canvas, the level saved into a new collection through the dialogs with the
// keyboard, and the editor left through its File menu, a later change not saved. The collection read
// back holds the cells saved.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/commands/level_conversion.h"
#include "editor/model/services/tile_catalogue.h"
#include "support/temp_folder.h"
#include "support/x_desktop.h"

namespace brolt::editor {
namespace {

constexpr int kSteelWall = 10;

// Where the default window shows things, from its top left corner: canvas points a cell (20
// pixels at the first zoom) apart, and the tile palette's buttons.
constexpr std::pair<int, int> kThresherButton{520, 361};
constexpr std::pair<int, int> kExitPortalButton{520, 431};
constexpr std::pair<int, int> kSteelWallButton{555, 431};
constexpr std::pair<int, int> kFileMenu{19, 8};
constexpr int kCanvasLeft = 100;
constexpr int kCanvasTop = 100;
constexpr int kCell = 20;
// The class the editor's windows carry: the main window, its splash, menus and dialogs.
constexpr const char* kEditorClass = "brolt-editor";

bool HasProgram(const std::string& name) { return std::system(("command -v " + name + " >/dev/null").c_str()) == 0; }

TEST(DesktopSession, KeysAndClicksOnARealXServerReachTheNewCollection) {
#if defined(BROLT_TEST_GAME_DIST_DIR)
  ASSERT_TRUE(HasProgram("Xvfb") && HasProgram("xdotool") && HasProgram("xclip"))
      << "Xvfb, xdotool and xclip are installed by scripts/install-deps.sh";
  testing::TempFolder folder;
  std::filesystem::copy(BROLT_TEST_GAME_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  const testing::XDesktop desktop;
  ASSERT_FALSE(desktop.Display().empty()) << "Xvfb did not start";
  const auto editor = desktop.Start(folder.path() / "brolt-editor", folder.path());
  std::optional<std::string> window;
  ASSERT_TRUE(testing::WaitUntil(
      [&] { return (window = desktop.Xdotool("search --onlyvisible --name '^Brolt Editor$'")).has_value(); },
      testing::kDesktopPatience))
      << "no editor window";
  // The start-up's splash window shows beside the main window for a while and may take the keyboard;
  // once it has closed, the keyboard given to the main window stays there.
  ASSERT_TRUE(testing::WaitUntil(
      [&] { return desktop.VisibleWindows(kEditorClass) == std::vector<std::string>{*window}; },
      testing::kDesktopPatience))
      << "the splash window stayed";
  // A bare server has no window manager to give the new window the keyboard.
  ASSERT_TRUE(desktop.Xdotool("windowfocus --sync " + *window));

  auto at = [&](int x, int y) { return " mousemove --window " + *window + " " + std::to_string(x) + " " + std::to_string(y); };
  auto cell = [&](int column, int row) { return at(kCanvasLeft + column * kCell, kCanvasTop + row * kCell); };
  auto button = [&](std::pair<int, int> point) { return at(point.first, point.second); };
  auto send = [&](const std::string& arguments) { ASSERT_TRUE(desktop.Xdotool(arguments)) << arguments; };

  // The brush by its key, three tiles from the palette, and a wall tile picked off the canvas for
  // the right button by holding S; Space held erases.
  send(cell(0, 0) + " key 2");
  send(button(kThresherButton) + " click 1" + cell(0, 0) + " click 1");
  send(button(kExitPortalButton) + " click 1" + cell(4, 0) + " click 1");
  send(button(kSteelWallButton) + " click 1" + cell(0, 2) + " click 1" + cell(1, 2) + " click 1" + cell(2, 2) +
       " click 1");
  send(cell(0, 2) + " keydown s click 3 keyup s" + cell(0, 4) + " click 3");
  send(cell(1, 2) + " keydown space click 1 keyup space");

  // Saved through the dialogs: the "..." button to level management, its New button, the new
  // collection chosen in the save dialog, which hands the keys to the title, a title, and Enter.
  send("key ctrl+s");
  ASSERT_TRUE(desktop.WaitForFocusOn("Save Level As"));
  send("key Tab Tab Tab space");
  ASSERT_TRUE(desktop.WaitForFocusOn("Level Management"));
  const std::string management = desktop.FocusedWindow();
  send("key shift+Tab shift+Tab shift+Tab shift+Tab space");
  ASSERT_TRUE(testing::WaitUntil([&] { return desktop.FocusedWindow() != management; }, testing::kDesktopPatience))
      << "no name asked";
  send("type --delay 20 Desktop");
  send("key Return");
  ASSERT_TRUE(desktop.WaitForFocusOn("Level Management"));
  send("key Escape");
  ASSERT_TRUE(desktop.WaitForFocusOn("Save Level As"));
  send("key Tab Tab");
  send("type D");
  send("type --delay 20 'Desk Top'");
  // The rest of the title is pasted with the middle button from the X selection, which goes through
  // the title's rules as typing does: no control character, no euro sign, 29 characters at most.
  ASSERT_TRUE(desktop.SetSelection(" level\x01 \xE2\x82\xAC" "and\t a\r\ntitle far too long"));
  send("mousemove --window " + desktop.FocusedWindow() + " 280 51 click 2");
  // Three letters taken back, and a left click, which only places the caret: the selection stays out.
  send("key BackSpace BackSpace BackSpace");
  send("mousemove --window " + desktop.FocusedWindow() + " 280 51 click 1");
  send("key Return");
  ASSERT_TRUE(desktop.WaitForFocusOn("Brolt Editor"));
  const std::filesystem::path collection = folder.path() / "Levels" / "Desktop.lvl";
  ASSERT_TRUE(testing::WaitUntil([&] { return CountFilledSlots(collection) == 1; }, testing::kDesktopPatience))
      << "the level was not saved";

  // One more wall, then left through the File menu's last entry, once the menu has dropped down; the
  // question about the change is answered No by Tab and Return, so the wall is not saved.
  send(cell(3, 2) + " click 1");
  send(button(kFileMenu) + " click 1");
  ASSERT_TRUE(testing::WaitUntil([&] { return desktop.VisibleWindows(kEditorClass).size() > 1; },
                                 testing::kDesktopPatience))
      << "the File menu did not drop down";
  send("key Up Return");
  ASSERT_TRUE(testing::WaitUntil([&] { return desktop.FocusedWindow() != *window; }, testing::kDesktopPatience))
      << "no question about the change";
  send("key Tab Return");
  EXPECT_EQ(editor->WaitForExit(testing::kDesktopPatience), 0);

  ASSERT_EQ(CountFilledSlots(collection), 1);
  const std::string record = ReadSlot(collection, 1);
  EXPECT_EQ(TrimSpaces(FieldText(record, level_field::Title)), "Desk Top Level And A Title");
  LevelState level;
  ApplyLevelRecord(DecodeLevelRecord(record), level);
  // The cells hold what was painted, where it was painted relative to the Thresher.
  std::map<std::pair<int, int>, int> painted;
  std::pair<int, int> thresher{-1, -1};
  for (int x = 0; x < kMapSize; ++x)
    for (int y = 0; y < kMapSize; ++y)
      if (const int code = level.Cell(x, y).TileCode; code != 0) {
        painted[{x, y}] = code;
        if (code == kThresherTile) thresher = {x, y};
      }
  auto from = [&](int column, int row) { return std::pair{thresher.first + column, thresher.second + row}; };
  EXPECT_EQ(painted, (std::map<std::pair<int, int>, int>{{from(0, 0), kThresherTile},
                                                         {from(4, 0), kExitPortalTile},
                                                         {from(0, 2), kSteelWall},
                                                         {from(2, 2), kSteelWall},
                                                         {from(0, 4), kSteelWall}}));
#else
  GTEST_SKIP() << "needs the program folder of a build with the game and its content";
#endif
}

}  // namespace
}  // namespace brolt::editor
