#include "editor/model/collection_name.h"

#include <gtest/gtest.h>

#include <string>

namespace brolt::editor {
namespace {

TEST(IsValidCollectionName, RefusesWhatWouldLeaveTheLevelsFolderOrNameNothing) {
  const std::pair<std::string, bool> cases[] = {
      {"Ab.lvl", true},           {"My Levels.clvl", true}, {"Caf\xE9.lvl", true},
      {"a.b.lvl", true},          {"A..lvl", true},         {"NoExtension", true},
      {"a/b.lvl", false},         {"a\\b.lvl", false},      {"..", false},
      {".", false},               {"...lvl", false},        {".lvl", false},
      {"", false},                {"tab\there.lvl", false}, {"what?.lvl", false},
      {"a:b.lvl", false},         {"<a>.lvl", false},       {"pipe|.lvl", false},
      {"star*.lvl", false},       {"quote\".lvl", false},   {"del\x7F.lvl", false},
  };
  for (const auto& [name, valid] : cases) EXPECT_EQ(IsValidCollectionName(name), valid) << name;
}

}  // namespace
}  // namespace brolt::editor
