#pragma once
// The help pages of table "KARVELHELP": page N is row N - 1 of the current table. The help screen
// makes the page's row current, then reads its title, markup text and picture list.
#include <cstdint>
#include <string>
#include <string_view>

namespace brolt {

struct Game;

// The fields HEADER, BODY and ICONS of the current row; "" when Null or when there is no row.
std::string GetHelpHeader(const Game& game);
std::string GetHelpBody(const Game& game);
std::string GetHelpIcons(const Game& game);

// The number of items of a comma-separated list; a final comma adds no item, "" has none.
std::int16_t CountCommaItems(std::string_view list);

// The number that item n (from 1) of a comma-separated list starts with, spaces ignored and rounded
// half to even; 0 when the item holds no number or the list has no item n.
std::int16_t GetCommaItem(std::string_view list, int n);

}  // namespace brolt
