#include "editor/model/services/collection_name.h"

#include <optional>

#include "common/numeric.h"

namespace brolt::editor {

namespace {

bool EndsWithLowered(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && ToLowerAscii(text.substr(text.size() - ending.size())) == ending;
}

struct Utf8Sequence {
  char32_t character;
  std::size_t length;
};

// The well-formed UTF-8 sequence at the start of `bytes`, if there is one: each character in its
// shortest form, surrogates and values past U+10FFFF refused.
std::optional<Utf8Sequence> ReadUtf8Sequence(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const std::size_t length = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length == 1 || bytes.size() < length) return std::nullopt;
  char32_t character = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    character = (character << 6) | (next & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  if (character < kShortest[length] || surrogate || character > 0x10FFFF) return std::nullopt;
  return Utf8Sequence{character, length};
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

std::u32string DecodeFileName(std::string_view name) {
  std::u32string text;
  for (std::size_t at = 0; at < name.size();) {
    const std::optional<Utf8Sequence> sequence = ReadUtf8Sequence(name.substr(at));
    text += sequence ? sequence->character : static_cast<unsigned char>(name[at]);
    at += sequence ? sequence->length : 1;
  }
  return text;
}

std::string FileNameAsText(std::string_view name) {
  std::string text;
  for (const char32_t character : DecodeFileName(name)) text += character <= 0xFF ? static_cast<char>(character) : '?';
  return text;
}

}  // namespace brolt::editor
