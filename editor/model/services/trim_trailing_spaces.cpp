#include "editor/model/services/trim_trailing_spaces.h"

namespace brolt::editor {

std::string TrimTrailingSpaces(std::string_view record) {
  constexpr std::size_t kTitleWidth = 30;
  // A position past the end counts as not a space, so a short text is returned whole.
  for (std::size_t length = kTitleWidth; length >= 1; --length) {
    if (length > record.size() || record[length - 1] != ' ') return std::string(record.substr(0, length));
  }
  return {};
}

}  // namespace brolt::editor
