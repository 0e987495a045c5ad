#include "common/temporary_file_name.h"

#include <algorithm>
#include <random>

namespace brolt {

namespace {
constexpr std::string_view kMarker = ".brolt-writing-";
constexpr std::string_view kUniqueCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kUniqueLength = 6;

bool IsUniqueCharacter(char c) { return kUniqueCharacters.find(c) != std::string_view::npos; }
}  // namespace

std::string TemporaryFileName(std::string_view targetName) {
  std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, kUniqueCharacters.size() - 1);
  std::string name = "." + std::string(targetName) + std::string(kMarker);
  for (std::size_t i = 0; i < kUniqueLength; ++i) name += kUniqueCharacters[pick(source)];
  return name;
}

bool IsTemporaryFileName(std::string_view name) {
  const std::size_t suffixLength = kMarker.size() + kUniqueLength;
  if (name.size() < 2 + suffixLength || name.front() != '.') return false;
  const std::string_view suffix = name.substr(name.size() - suffixLength);
  const std::string_view unique = suffix.substr(kMarker.size());
  return suffix.starts_with(kMarker) && std::all_of(unique.begin(), unique.end(), IsUniqueCharacter);
}

}  // namespace brolt
