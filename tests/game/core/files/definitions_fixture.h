#pragma once
// A program folder with a definitions database and a Levels folder, and a game pointed at it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/database.h"
#include "common/temporary_folder.h"
#include "common/test_database.h"
#include "game/core/state/game.h"

namespace brolt::testing {

class DefinitionsFixture : public ::testing::Test {
 protected:
  DefinitionsFixture() {
    game.paths.ProgramFolder = program.Path();
    game.paths.LevelsPath = program.Path() / "Levels";
    std::filesystem::create_directory(game.paths.LevelsPath);
  }

  // Creates Define.qdm with the game's two tables, each filled by the given insert statements.
  void CreateDatabase(const std::string& settingsRows, const std::string& helpRows = "") {
    RawDatabase raw(DatabaseFile());
    raw.Execute("create table KARVEL (Variable text, Value);"
                "create table KARVELHELP (HEADER text, BODY text, ICONS text);" +
                settingsRows + helpRows);
  }

  void AddCollections(const std::vector<std::string>& names) {
    for (const std::string& name : names) std::ofstream(game.paths.LevelsPath / name) << "";
    game.LevelList.Open(game.paths.LevelsPath, {".lvl", ".clvl"});
  }

  std::filesystem::path DatabaseFile() const { return program.Path() / kDefinitionsFileName; }

  // The stored Value of every KARVEL row with this exact Variable, in table order.
  std::vector<std::optional<std::string>> StoredValues(const std::string& variable) {
    return RawDatabase(DatabaseFile())
        .Column("select Value from KARVEL where Variable = '" + variable + "' order by rowid");
  }

  TemporaryFolder program;
  Game game;
};

}  // namespace brolt::testing
