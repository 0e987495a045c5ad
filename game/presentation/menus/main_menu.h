#pragma once
// The title menu: the main page ("play", "collection", "Options", "Help", "exit"), and the level
// list, the options page and the collection list it opens.
#include <cstdint>

namespace brolt {

struct Game;
class RenderDevice;

// The pages' items; only the main page is active.
void InitMenuItems(Game& game);

// One frame of the menus.
void RunMainMenu(Game& game, RenderDevice& device);

// The action of Enter on an item of a page.
void SelectMenuItem(Game& game, int page, int item);

}  // namespace brolt
