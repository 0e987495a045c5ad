#pragma once
// The title menu's list of the collections in the Levels folder: eight rows round the highlighted
// collection, under its description.
namespace brolt {

struct Game;
class RenderDevice;

// Opening the list: remembers what Escape goes back to.
void OpenCollectionList(Game& game);

// Escape from the list: the collection highlighted when it opened becomes current again, with its
// current level and level count.
void RestoreSavedCollection(Game& game);

// One frame of the collection list; Enter takes the highlighted collection back to the main page.
void DrawCollectionList(Game& game, RenderDevice& device);

}  // namespace brolt
