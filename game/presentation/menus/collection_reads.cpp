#include "game/presentation/menus/collection_reads.h"

#include <filesystem>

#include "common/file_io.h"
#include "game/core/files/level_collection.h"
#include "game/core/state/game.h"

namespace brolt {

bool IsListedCollectionCompiled(Game& game, const std::string& name) {
  std::map<std::string, bool>& known = game.menu.CompiledCollections;
  if (auto found = known.find(name); found != known.end()) return found->second;
  bool compiled = false;
  try {
    compiled = IsCollectionCompiled(game, name);
  } catch (const FileError&) {
    compiled = false;
  }
  known.emplace(name, compiled);
  return compiled;
}

std::string ListedCollectionName(Game& game, const std::string& name) {
  if (!IsListedCollectionCompiled(game, name)) return name;
  return std::filesystem::path(name).stem().string();
}

const std::string& ListedCollectionDescription(Game& game) {
  std::optional<std::string>& description = game.menu.CollectionDescription;
  if (!description) description = ReadCollectionDescription(game);
  return *description;
}

void ForgetCollectionReads(Game& game) {
  game.menu.CompiledCollections.clear();
  game.menu.CollectionDescription.reset();
}

}  // namespace brolt
