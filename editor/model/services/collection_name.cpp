#include "editor/model/services/collection_name.h"

#include <cstdint>

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

std::string FileNameAsText(std::string_view name) {
  std::string text;
  for (std::size_t at = 0; at < name.size();) {
    const auto lead = static_cast<unsigned char>(name[at]);
    const std::size_t length = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    std::uint32_t code = lead & (0x7F >> length);
    bool whole = length > 1 && at + length <= name.size();
    for (std::size_t i = 1; whole && i < length; ++i) {
      const auto next = static_cast<unsigned char>(name[at + i]);
      whole = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!whole) {
      text += name[at++];
      continue;
    }
    text += code <= 0xFF ? static_cast<char>(code) : '?';
    at += length;
  }
  return text;
}

}  // namespace brolt::editor
