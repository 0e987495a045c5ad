#include "game/core/files/definitions.h"

#include <algorithm>

#include "game/core/state/game.h"

namespace brolt {

namespace {
void OpenRecordset(Game& game, const char* table) {
  auto& definitions = game.definitions;
  definitions.DefineRecordset.reset();
  definitions.DefineRecordset = std::make_unique<RowSet>(*definitions.DefineDb, table);
}
}  // namespace

void OpenDefinitionsDatabase(Game& game) {
  auto& definitions = game.definitions;
  definitions.DefineRecordset.reset();
  definitions.DefineDb = std::make_unique<Database>(game.paths.ProgramFolder / kDefinitionsFileName);
  OpenHelpRecordset(game);
  definitions.DefineRecordset->SetPosition(0);
}

void OpenHelpRecordset(Game& game) { OpenRecordset(game, "KARVELHELP"); }

void OpenSettingsRecordset(Game& game) { OpenRecordset(game, "KARVEL"); }

std::int16_t GetRecordCount(const Game& game) {
  const auto& recordset = game.definitions.DefineRecordset;
  return recordset ? static_cast<std::int16_t>(std::min(recordset->Count(), 32767)) : 0;
}

}  // namespace brolt
