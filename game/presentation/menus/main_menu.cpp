#include "game/presentation/menus/main_menu.h"

#include <string>

#include "game/core/interfaces/clock.h"
#include "game/core/level/object_defs.h"
#include "game/core/state/frame_timing.h"
#include "game/core/state/game.h"
#include "game/presentation/menus/collection_list.h"
#include "game/presentation/menus/collection_reads.h"
#include "game/presentation/menus/level_list.h"
#include "game/presentation/menus/menu_drawing.h"
#include "game/presentation/menus/project_lines.h"
#include "game/presentation/menus/title_options.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

enum MainItem { PlayItem = 0, CollectionItem = 1, OptionsItem = 2, HelpItem = 3, ExitItem = 4 };

// Held together while choosing "play", these open every level of the list.
constexpr int kTabKey = 15;
constexpr int kF9Key = 67;

bool Fires(const Game& game, int key) { return game.keys.KeyDown[static_cast<std::size_t>(key)] == 1; }
bool Held(const Game& game, int key) { return game.keys.KeyDown[static_cast<std::size_t>(key)] != 0; }

MenuPage& Page(Game& game, int page) { return game.menu.MenuPages[static_cast<std::size_t>(page)]; }

void SwitchPage(Game& game, int from, int to) {
  Page(game, from).Active = false;
  Page(game, to).Active = true;
}

void SwallowEnter(Game& game) { game.keys.KeyPressed[scan::Enter] = 0; }

// Draws an active page's items and moves its highlight; Enter chooses the highlighted item.
void RunPage(Game& game, int page) {
  MenuPage& menuPage = Page(game, page);
  for (int i = 0; i < kMenuItemCount; ++i) {
    MenuItem& item = menuPage.Items[static_cast<std::size_t>(i)];
    if (item.Caption.empty()) continue;
    const auto x = static_cast<std::int16_t>(item.X);
    const auto y = static_cast<std::int16_t>(item.Y);
    if (i == menuPage.Selected) DrawMenuText(game, item.Caption, x, y, 37, 5, kWhiteText);
    else DrawMenuText(game, item.Caption, x, y, 35, 0, Rgb(255, 200, 100));
  }
  if (Fires(game, scan::Up) && menuPage.Selected > 0) {
    --menuPage.Selected;
    QueueSound(game, MENU_MOVE, -1, -1);
  }
  const int next = menuPage.Selected + 1;
  if (Fires(game, scan::Down) && next < kMenuItemCount && !menuPage.Items[static_cast<std::size_t>(next)].Caption.empty()) {
    ++menuPage.Selected;
    QueueSound(game, MENU_MOVE, -1, -1);
  }
  if (game.keys.KeyPressed[scan::Enter] == 1) SelectMenuItem(game, page, menuPage.Selected);
}

// The foot of the main page, and the current collection's name while "play" or "collection" is
// highlighted.
void DrawMainPageLines(Game& game) {
  constexpr std::uint32_t kLineColour = Rgb(100, 200, 250);
  DrawMenuText(game, VersionLine(game.clock().CurrentYear()), 0, 450, 10, 0, kLineColour);
  DrawMenuText(game, kProjectLine, 0, 465, 10, 0, kLineColour);
  if (Page(game, MainPage).Selected > CollectionItem) return;
  const std::string name = game.LevelList.SelectedName();
  const bool compiled = IsListedCollectionCompiled(game, name);
  DrawMenuText(game, ListedCollectionName(game, name), 0, 375, 19, 2, compiled ? kWhiteText : Rgb(0, 255, 0));
}

// Escape goes back to the main page, taking the game speed into the object speeds; on the main
// page it highlights "exit".
void HandleEscape(Game& game) {
  BuildObjectDefs(game);
  QueueSound(game, MENU_SELECT, -1, -1);
  if (Page(game, MainPage).Active) Page(game, MainPage).Selected = ExitItem;
  if (Page(game, LevelListPage).Active) {
    DropPendingLaunch(game);
    SwitchPage(game, LevelListPage, MainPage);
  } else if (Page(game, OptionsPage).Active) {
    SwitchPage(game, OptionsPage, MainPage);
  } else if (Page(game, CollectionListPage).Active) {
    SwitchPage(game, CollectionListPage, MainPage);
    RestoreSavedCollection(game);
  }
}

}  // namespace

void InitMenuItems(Game& game) {
  struct Entry {
    int page, item;
    const char* caption;
    float y;
  };
  static constexpr Entry kItems[] = {
      {MainPage, PlayItem, "play", 100},           {MainPage, CollectionItem, "collection", 140},
      {MainPage, OptionsItem, "Options", 180},     {MainPage, HelpItem, "Help", 220},
      {MainPage, ExitItem, "exit", 260},           {OptionsPage, 0, "Sound Volume", 100},
      {OptionsPage, 1, "Music Volume", 200},       {OptionsPage, 2, "Game Speed", 300},
  };
  for (const Entry& entry : kItems)
    Page(game, entry.page).Items[static_cast<std::size_t>(entry.item)] = {entry.caption, 0.0f, entry.y};
  Page(game, MainPage).Active = true;
}

void SelectMenuItem(Game& game, int page, int item) {
  if (page == MainPage) {
    switch (item) {
      case PlayItem:
        SwitchPage(game, MainPage, LevelListPage);
        SwallowEnter(game);
        if (Held(game, kTabKey) && Held(game, kF9Key)) game.menu.AllLevelsOpen = true;
        break;
      case CollectionItem:
        SwitchPage(game, MainPage, CollectionListPage);
        SwallowEnter(game);
        OpenCollectionList(game);
        break;
      case OptionsItem:
        SwitchPage(game, MainPage, OptionsPage);
        SwallowEnter(game);
        break;
      case HelpItem:
        game.flags.ShowingHelp = true;
        ResetTickCounters(game.timing, game.clock());
        SwallowEnter(game);
        break;
      case ExitItem:
        game.flags.ShowingCredits = true;
        SwallowEnter(game);
        break;
      default:
        break;
    }
  } else if (page == LevelListPage) {
    ChooseListedLevel(game);
  }
  QueueSound(game, MENU_SELECT, -1, -1);
}

void RunMainMenu(Game& game, RenderDevice& device) {
  for (int page = 0; page < kMenuPageCount; ++page)
    if (Page(game, page).Active) RunPage(game, page);
  if (Page(game, MainPage).Active) {
    game.menu.AllLevelsOpen = false;
    DrawMainPageLines(game);
  }
  if (Page(game, LevelListPage).Active) DrawLevelList(game, device);
  if (Page(game, CollectionListPage).Active) DrawCollectionList(game, device);
  if (Page(game, OptionsPage).Active) RunOptionsPage(game);
  if (game.keys.KeyPressed[scan::Escape] == 1) HandleEscape(game);
  game.keys.KeyPressed[scan::Escape] = 0;
  game.keys.KeyPressed[scan::Enter] = 0;
}

}  // namespace brolt
