#pragma once
// The game's settings rows in table "KARVEL" of the definitions database: Variable holds the key,
// compared in any letter case, and Value the setting. Every row is visited in table order, so when a
// key appears twice the later row is the one that stays loaded, and saving writes both. Rows are
// never added or deleted; a setting without a row keeps its value and is not saved.
//
// Each pass borrows the current table and makes the help table current again afterwards, also when
// it fails. Database failures throw DatabaseError.
#include <optional>
#include <string>

namespace brolt {

struct Game;

// Reads game speed (kept within 5..9), the two volumes (0..100), the level collection, the pack file
// and the background switch. A Null or non-numeric value of a numeric setting counts as a missing row,
// and so does a Null text. The level collection selects the matching entry of LevelList in any
// letter case, or its first entry, and CollectionFile takes the name as the list shows it.
void LoadSettings(Game& game);

// Writes the same six settings back into every row that carries their key.
void SaveSettings(Game& game);

// The Value of the first row whose key is `key` (lower case); nothing when there is no such row or
// its Value is Null.
std::optional<std::string> ReadSettingText(Game& game, const std::string& key);

// DeveloperMode is on when any "brenwick" row holds exactly the access code.
void ReadDeveloperSwitch(Game& game);

}  // namespace brolt
