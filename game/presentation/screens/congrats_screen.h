#pragma once
// The end-of-collection screen, shown by the menu after the last level of a collection.
namespace brolt {

struct Game;

// One frame over the dimmed title picture: the collection's end text, or the game's own
// "congrats" text when the collection has none, and thanks for playing. Escape returns to the menu.
void DrawCongratsScreen(Game& game);

}  // namespace brolt
