#pragma once
// What the title menu shows of the collections in the Levels folder, read from the files once after
// each move of the collection list rather than in every frame.
#include <string>

namespace brolt {

struct Game;

// Whether the collection carries the compiled marker. A file that has vanished or can't be read
// is not compiled.
bool IsListedCollectionCompiled(Game& game, const std::string& name);

// The name a collection is listed by: without its extension when it is compiled.
std::string ListedCollectionName(Game& game, const std::string& name);

// The introduction of the highlighted collection.
const std::string& ListedCollectionDescription(Game& game);

// Drops what was read, so that the next frame reads the files again.
void ForgetCollectionReads(Game& game);

}  // namespace brolt
