#include "game/presentation/menus/collection_list.h"

#include <string>

#include "game/core/drawing/markup_text.h"
#include "game/core/files/level_collection.h"
#include "game/core/state/game.h"
#include "game/presentation/menus/collection_reads.h"
#include "game/presentation/menus/menu_drawing.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

constexpr int kRowsAbove = 3;
constexpr int kRows = 8;

bool Fires(const Game& game, int key) { return game.keys.KeyDown[static_cast<std::size_t>(key)] == 1; }

void Highlight(Game& game, int index) {
  game.LevelList.Selected = index;
  QueueSound(game, MENU_MOVE, -1, -1);
  game.flags.CurrentLevel = 1;
  ForgetCollectionReads(game);
  game.collection.LevelCount = CountCollectionLevels(game, "");
}

void HandleKeys(Game& game) {
  const int count = static_cast<int>(game.LevelList.Names.size());
  if (Fires(game, scan::Down) && game.LevelList.Selected < count - 1) Highlight(game, game.LevelList.Selected + 1);
  if (Fires(game, scan::Up) && game.LevelList.Selected > 0) Highlight(game, game.LevelList.Selected - 1);
  if (game.keys.KeyPressed[scan::Enter] == 1) {
    game.menu.MenuPages[CollectionListPage].Active = false;
    game.menu.MenuPages[MainPage].Active = true;
  }
}

void DrawDescription(Game& game) {
  const std::string name = game.LevelList.SelectedName();
  if (IsListedCollectionCompiled(game, name)) {
    DrawMarkupText(game, ListedCollectionDescription(game), 30, Rgb(225, 225, 225), kWhiteText);
  } else {
    DrawMarkupText(game,
                   "This level collection is not compiled. All levels are available to play but your times will "
                   "not be saved.",
                   30, Rgb(5, 225, 5), kWhiteText);
  }
}

void DrawRow(Game& game, RenderDevice& device, int index, std::int16_t y) {
  const std::string& name = game.LevelList.Names[static_cast<std::size_t>(index)];
  const bool compiled = IsListedCollectionCompiled(game, name);
  const std::string label = ListedCollectionName(game, name);
  if (index == game.LevelList.Selected) {
    DrawListHighlight(device, y);
    DrawMenuText(game, label, 0, y, 19, 2, compiled ? kWhiteText : Rgb(0, 255, 0));
  } else {
    DrawMenuText(game, label, 0, y, 19, 0, compiled ? Rgb(205, 205, 205) : Rgb(0, 155, 0));
  }
}

}  // namespace

void OpenCollectionList(Game& game) {
  MenuState& menu = game.menu;
  menu.SavedCollectionIndex = game.LevelList.Selected;
  menu.SavedCurrentLevel = game.flags.CurrentLevel;
  menu.SavedLevelCount = game.collection.LevelCount;
  ForgetCollectionReads(game);
}

void RestoreSavedCollection(Game& game) {
  const MenuState& menu = game.menu;
  ForgetCollectionReads(game);
  game.LevelList.Selected = menu.SavedCollectionIndex;
  game.flags.CurrentLevel = menu.SavedCurrentLevel;
  game.collection.LevelCount = menu.SavedLevelCount;
  game.collection.CollectionFile = game.LevelList.SelectedName();
}

void DrawCollectionList(Game& game, RenderDevice& device) {
  HandleKeys(game);
  DrawDescription(game);
  const int count = static_cast<int>(game.LevelList.Names.size());
  for (int k = 0; k < kRows; ++k) {
    const int index = game.LevelList.Selected - kRowsAbove + k;
    if (index < 0 || index >= count) continue;
    DrawRow(game, device, index, static_cast<std::int16_t>(121 + 40 * k));
  }
  DrawMenuHints(game, "Use {UP} and {DOWN} to scroll the collections", "Press {escape} to go back to the main menu");
}

}  // namespace brolt
