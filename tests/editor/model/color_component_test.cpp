#include "editor/model/color_component.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brolt::editor {
namespace {

TEST(GetColorComponent, ReadsEachFieldByItsLeadingNumber) {
  using Parts = std::array<std::optional<int>, 3>;
  const std::pair<std::string, Parts> cases[] = {
      {"255,0,128", {255, 0, 128}},
      {"078, 12, 3", {78, 12, 3}},
      {"10,20", {10, std::nullopt, std::nullopt}},
      {"no commas", {std::nullopt, std::nullopt, std::nullopt}},
      {"1,2,3,4", {1, 2, 3}},
      {"a,b,c", {0, 0, 0}},
  };
  for (const auto& [text, parts] : cases) {
    EXPECT_EQ(GetColorComponent(text, true, false, false), parts[0]) << text;
    EXPECT_EQ(GetColorComponent(text, false, true, false), parts[1]) << text;
    EXPECT_EQ(GetColorComponent(text, false, false, true), parts[2]) << text;
    EXPECT_EQ(GetColorComponent(text, false, false, false), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace brolt::editor
