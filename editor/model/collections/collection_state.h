#pragma once
// What the main window shows of the current collection: the entries of the level roll-down list.
#include <string>
#include <vector>

namespace brolt::editor {

struct CollectionState {
  // One entry per level of the current collection ("001   Title"), and the one chosen (-1 none).
  std::vector<std::string> DropDownEntries;
  int DropDownIndex = -1;
};

}  // namespace brolt::editor
