#include "game/presentation/menus/project_lines.h"

namespace brolt {

std::string VersionLine(int year) {
  return "Brolt version " + std::to_string(BROLT_VERSION_MAJOR) + "." + std::to_string(BROLT_VERSION_MINOR) +
         " (c) " + kMakers + " " + std::to_string(year);
}

}  // namespace brolt
