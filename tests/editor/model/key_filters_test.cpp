#include "editor/model/key_filters.h"

#include <gtest/gtest.h>

#include <string>

namespace brolt::editor {
namespace {

struct TitleCase {
  std::string text;
  int selStart;
  int selLength;
  int typed;
  int expected;
};

TEST(FilterTitleKey, CapitalisesTheFirstLetterOfEachWordOnly) {
  const TitleCase cases[] = {
      {"", 0, 0, 'm', 'M'},                // empty title
      {"level", 0, 0, 'x', 'X'},           // caret at the start
      {"level", 0, 5, 'x', 'X'},           // whole title selected
      {"my level", 8, 0, 'x', 'x'},        // after a letter
      {"my level ", 9, 0, 'x', 'X'},       // after a space
      {"half-", 5, 0, 'w', 'W'},           // after a hyphen
      {"my level", 3, 2, 'x', 'x'},        // part of the text selected
      {"a ", 2, 0, 0xE9, 0xC9},            // Latin-1 small e acute
      {"a ", 2, 0, 0xF7, 0xF7},            // the division sign has no capital
      {"a ", 2, 0, '7', '7'},              // no key is refused
  };
  for (const TitleCase& c : cases) {
    EXPECT_EQ(FilterTitleKey(c.typed, c.text, c.selStart, c.selLength), c.expected) << c.text << " " << c.selStart;
    EXPECT_EQ(FilterFileNameKey(c.typed, c.text, c.selStart, c.selLength), c.expected) << c.text;
  }
}

TEST(FilterNumericKey, PassesDigitsAndBackspaceOnly) {
  for (int key = 0; key < 256; ++key) {
    const bool passes = key == kBackspaceKey || (key >= '0' && key <= '9');
    EXPECT_EQ(FilterNumericKey(key), passes ? key : 0) << key;
  }
}

}  // namespace
}  // namespace brolt::editor
