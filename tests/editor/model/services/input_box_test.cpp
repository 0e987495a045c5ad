#include "editor/model/services/input_box.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/model/services/key_filters.h"

namespace brolt::editor {
namespace {

// The prefixes in any letter case, and what each mode makes of plain typing, pasting and the
// caller's limit, are checked through the box itself in input_box_window_test.cpp.
TEST(ParseInputDefault, CutsTheModePrefixesInTheirOrder) {
  const std::tuple<std::string, InputMode, std::string> cases[] = {
      {"[PROPER][NUM]7", InputMode::Numeric, "7"},  // the later test sees the shortened text
      {"[NUM][PROPER]7", InputMode::Numeric, "[PROPER]7"}, {"plain [NUM]", InputMode::Free, "plain [NUM]"}};
  for (const auto& [text, mode, rest] : cases) {
    const InputDefault parsed = ParseInputDefault(text);
    EXPECT_EQ(std::pair(parsed.mode, parsed.text), std::pair(mode, rest)) << text;
  }
}

// What a key does to a box: the text the mode writes itself, the key passed ("\b" for Backspace), or
// "" when it is refused.
std::string Typed(const InputKeyRules& rules, char typed, const InputBoxText& box) {
  const InputKeyResult result = FilterInputKey(rules, typed == '\b' ? kBackspaceKey : typed, box);
  return result.text ? *result.text : result.key ? std::string(1, static_cast<char>(result.key)) : "";
}

InputBoxText AllSelected(const std::string& text) { return {text, 0, static_cast<int>(text.size())}; }

TEST(FilterInputKey, FileNamesTakeWhatAFileCanBeCalledWithinTheirLengthsAndTheCallersLimitHoldsTypingOnly) {
  const InputKeyRules file{InputMode::FileName};
  const InputKeyRules developerFile{InputMode::FileName, 0, true};
  const std::string long35 = std::string(31, 'x') + ".lvl";
  const std::string long36 = std::string(32, 'x') + ".lvl";
  for (char refused : std::string("/<>:\"\\|?*\t")) EXPECT_EQ(Typed(file, refused, {"Ab.lvl", 2, 0}), "") << refused;
  const struct {
    const char* name;
    InputKeyRules rules;
    char typed;
    InputBoxText box;
    std::string result;
  } cases[] = {
      {"a lone dot refused", file, '.', {"", 0, 0}, ""},
      {"a dot after a letter passes", file, '.', {"A.lvl", 1, 0}, "."},
      {"a selection replaced", file, 'c', AllSelected("Old.lvl"), "C.lvl"},
      {"backspace over a selection", file, '\b', AllSelected("Old.lvl"), "\b"},
      {"extension added to a bare default", file, 'x', {"abc", 1, 0}, "abcx.lvl"},
      {"35 characters take one more", file, 'y', {long35, 31, 0}, "y"},
      {"beyond 35 refused", file, 'y', {long36, 32, 0}, ""},
      {"beyond 35 backspace passes", file, '\b', {long36, 32, 0}, "\b"},
      {"beyond 35 a selection is replaced", file, 'y', AllSelected(long36), "Y.lvl"},
      {"the mode's own text passes the caller's limit", {InputMode::FileName, 3}, 'm', {"", 0, 0}, "M.lvl"},
      {"typing does not", {InputMode::FileName, 3}, 'b', {"M.lvl", 1, 0}, ""},
      {"developer: beyond 30 refused", developerFile, 'y', {std::string(31, 'x'), 31, 0}, ""},
      {"developer: a lone dot refused", developerFile, '.', {"", 0, 0}, ""},
      {"a selection may be typed over at the caller's limit", {InputMode::Numeric, 2}, '9', AllSelected("12"), "9"},
  };
  for (const auto& c : cases) EXPECT_EQ(Typed(c.rules, c.typed, c.box), c.result) << c.name;
}

// A whole text typed over and the letter after a hyphen are checked through the box itself.
TEST(KeyFilters, TitlesCapitaliseTheFirstLetterOfEachWordOnly) {
  using Case = std::tuple<std::string, int, int, int, int>;  // text, selection start and length, typed, passed
  for (const auto& [text, start, length, typed, passed] : {
           Case{"level", 0, 0, 'x', 'X'},      // the caret at the start
           Case{"my level", 8, 0, 'x', 'x'},   // after a letter
           Case{"my level ", 9, 0, 'x', 'X'},  // after a space
           Case{"my level", 3, 2, 'x', 'x'},   // part of the text selected
           Case{"a ", 2, 0, 0xE9, 0xC9},       // Latin-1 small e acute
           Case{"a ", 2, 0, 0xF7, 0xF7},       // the division sign has no capital
           Case{"a ", 2, 0, '7', '7'},         // no key is refused
       }) {
    EXPECT_EQ(FilterTitleKey(typed, text, start, length), passed) << text << " " << start;
  }
}

TEST(KeyFilters, NumbersTakeDigitsAndBackspaceOnly) {
  for (int key = 0; key < 256; ++key) {
    const bool passes = key == kBackspaceKey || (key >= '0' && key <= '9');
    EXPECT_EQ(FilterNumericKey(key), passes ? key : 0) << key;
  }
}

}  // namespace
}  // namespace brolt::editor
