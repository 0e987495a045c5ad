#pragma once
// The game's side of the definitions database: the open file, the one row set the game keeps on it,
// and the state of the help pages drawn from its help table.
#include <cstdint>
#include <memory>

#include "common/database.h"

namespace brolt {

struct Game;

struct DefinitionsState {
  std::unique_ptr<Database> DefineDb;
  // The game's one current table (the presentation's screens know it as CurrentRecordset): the help
  // table, except while a settings pass borrows it or the end screen reads its text.
  std::unique_ptr<RowSet> DefineRecordset;

  // Glyph size and colours of the help and markup text (RGB, red in the low byte): white text with
  // light green highlights.
  std::int16_t HelpTextSize = 10;
  std::uint32_t HelpTextColour = 0xFFFFFF;
  std::uint32_t HelpHighlightColour = 0x64FF64;

  // Brace states of the highlight and the normal layer of markup text.
  bool InBraceHighlight = false;
  bool InBraceNormal = false;

  // Animation of the help pictures: frames and rows 1..8, angle in degrees.
  std::int16_t HelpIconFrame = 1;
  std::int16_t HelpRollFrame = 1;
  std::int16_t HelpRollRow = 1;
  std::int16_t HelpIconAngle = 0;
};

// Opens Define.qdm in the program folder for the rest of the run and makes the help table current,
// on its first row. Throws DatabaseError, whose message names the file, when the database or its
// help table can't be read; the start-up shows it and ends the game.
void OpenDefinitionsDatabase(Game& game);

// Makes "KARVELHELP" or "KARVEL" the current table, replacing the one before.
void OpenHelpRecordset(Game& game);
void OpenSettingsRecordset(Game& game);

// The number of rows of the current table (0 without one), at most 32767.
std::int16_t GetRecordCount(const Game& game);

}  // namespace brolt
