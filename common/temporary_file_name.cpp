#include "common/temporary_file_name.h"

#include <algorithm>

namespace brolt {

namespace {
constexpr std::string_view kUniquePart = "XXXXXX";

// mkstemp fills its template with ASCII letters and digits only.
bool IsUniqueCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
}  // namespace

std::string TemporaryFileTemplate(std::string_view targetName) {
  return "." + std::string(targetName) + "." + std::string(kUniquePart);
}

bool IsTemporaryFileName(std::string_view name) {
  const std::size_t suffixLength = 1 + kUniquePart.size();
  if (name.size() < 2 + suffixLength || name.front() != '.') return false;
  const std::string_view unique = name.substr(name.size() - kUniquePart.size());
  return name[name.size() - suffixLength] == '.' && std::all_of(unique.begin(), unique.end(), IsUniqueCharacter);
}

}  // namespace brolt
