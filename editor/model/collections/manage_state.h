#pragma once
// Level management's records: the collection under management as last read, and the level bin,
// which carries whole levels between positions and collections for the editor's whole run.
#include <array>
#include <string>
#include <vector>

namespace brolt::editor {

constexpr int kBinSlots = 999;

struct ManageState {
  std::vector<std::string> ManageRecords;  // level N at index N - 1, up to the first empty record
  std::array<std::string, kBinSlots> LevelBin{};  // bin slot N at index N - 1; empty = free
};

}  // namespace brolt::editor
