#include "editor/model/collection_name.h"

#include <gtest/gtest.h>

#include <string>

namespace brolt::editor {
namespace {

// Each reserved character, typed key by key, is refused in input_box_test.cpp.
TEST(IsValidCollectionName, RefusesWhatWouldLeaveTheLevelsFolderOrNameNothing) {
  const std::pair<std::string, bool> cases[] = {
      {"My Levels.clvl", true}, {"Caf\xE9.lvl", true}, {"A..lvl", true},    {"NoExtension", true},
      {"a/b.lvl", false},       {"a\\b.lvl", false},   {"..", false},       {"...lvl", false},
      {".LVL", false},          {"", false},           {"a:b.lvl", false},  {"del\x7F.lvl", false}};
  for (const auto& [name, valid] : cases) EXPECT_EQ(IsValidCollectionName(name), valid) << name;
}

}  // namespace
}  // namespace brolt::editor
