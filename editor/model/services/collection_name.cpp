#include "editor/model/services/collection_name.h"

#include "common/numeric.h"

namespace brolt::editor {

namespace {

bool EndsWithLowered(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && ToLowerAscii(text.substr(text.size() - ending.size())) == ending;
}

}  // namespace

bool IsFileNameCharacter(int character) {
  if (character < 32 || (character >= 127 && character < 160) || character > 255) return false;
  constexpr std::string_view kReserved = "<>:\"/\\|?*";
  return kReserved.find(static_cast<char>(character)) == std::string_view::npos;
}

std::string_view CollectionNamePart(std::string_view name) {
  for (std::string_view extension : {".lvl", ".clvl"}) {
    if (EndsWithLowered(name, extension)) return name.substr(0, name.size() - extension.size());
  }
  return name;
}

}  // namespace brolt::editor
