#pragma once
// The options page of the title menu: sound volume, music volume and game speed on three sliders,
// the selected row changed with Left and Right.
namespace brolt {

struct Game;

// One frame of the options page's sliders and keys (its row captions are menu items).
void RunOptionsPage(Game& game);

}  // namespace brolt
