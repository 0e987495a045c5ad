#include "game/core/files/help_pages.h"

#include <algorithm>

#include "common/numeric.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {
std::string HelpField(const Game& game, std::string_view name) {
  const auto& recordset = game.definitions.DefineRecordset;
  if (!recordset) return {};
  return recordset->Field(name).value_or("");
}
}  // namespace

std::string GetHelpHeader(const Game& game) { return HelpField(game, "HEADER"); }
std::string GetHelpBody(const Game& game) { return HelpField(game, "BODY"); }
std::string GetHelpIcons(const Game& game) { return HelpField(game, "ICONS"); }

std::int16_t CountCommaItems(std::string_view list) {
  if (list.empty()) return 0;
  auto commas = std::count(list.begin(), list.end() - 1, ',');
  return static_cast<std::int16_t>(std::min<long>(commas + 1, 32767));
}

std::int16_t GetCommaItem(std::string_view list, int n) {
  std::size_t start = 0;
  for (int number = 1; start < list.size(); ++number) {
    std::size_t comma = list.find(',', start);
    // The last item keeps its final comma; the number it starts with is read all the same.
    std::size_t end = (comma == std::string_view::npos || comma + 1 == list.size()) ? list.size() : comma;
    if (number == n) {
      std::string item(list.substr(start, end - start));
      std::erase(item, ' ');
      return RoundToInt16(LeadingValue(item));
    }
    start = end + 1;
  }
  return 0;
}

}  // namespace brolt
