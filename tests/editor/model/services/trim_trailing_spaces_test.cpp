#include "editor/model/services/trim_trailing_spaces.h"

#include <gtest/gtest.h>

#include "common/level_record.h"

namespace brolt::editor {
namespace {

TEST(TrimTrailingSpaces, GivesTheTitleFieldOfARecordAndLeavesShortTextsAlone) {
  const std::pair<std::string, std::string> cases[] = {
      {"Cave" + std::string(26, ' ') + std::string(10069, '0'), "Cave"},
      {std::string(kHolderRecord), std::string(kHolderRecord)},  // the holder record keeps its blanks
      {"ab  ", "ab  "},                                           // short: trailing spaces stay
      {std::string(30, ' ') + "0000", ""},                        // a blank title field, as in the tag record
      {"  Indented title" + std::string(20, ' '), "  Indented title"},
      {std::string(35, 'x'), std::string(30, 'x')},
      {"", ""}};
  for (const auto& [text, title] : cases) EXPECT_EQ(TrimTrailingSpaces(text), title) << "[" << text << "]";
}

}  // namespace
}  // namespace brolt::editor
