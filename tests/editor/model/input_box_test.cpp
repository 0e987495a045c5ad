#include "editor/model/input_box.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/model/key_filters.h"

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

// Types characters into a box as the input line does: with the caret at the end and nothing
// selected, unless the box says otherwise for the first key.
InputBoxText Type(const InputKeyRules& rules, InputBoxText box, const std::string& keys) {
  for (char typed : keys) {
    const int key = typed == '\b' ? kBackspaceKey : static_cast<unsigned char>(typed);
    const InputKeyResult result = FilterInputKey(rules, key, box);
    if (result.text) box = {*result.text, result.caret, 0};
    if (result.text || result.key == 0) continue;
    const bool backspace = result.key == kBackspaceKey;
    // Backspace with nothing selected takes the character before the caret.
    if (backspace && box.selLength == 0 && box.selStart > 0) box = {box.text, box.selStart - 1, 1};
    box.text.replace(static_cast<std::size_t>(box.selStart), static_cast<std::size_t>(box.selLength),
                     backspace ? "" : std::string(1, static_cast<char>(result.key)));
    box = {box.text, box.selStart + (backspace ? 0 : 1), 0};
  }
  return box;
}

InputBoxText AtEnd(const std::string& text) { return {text, static_cast<int>(text.size()), 0}; }
InputBoxText AllSelected(const std::string& text) { return {text, 0, static_cast<int>(text.size())}; }

TEST(FilterInputKey, FileNamesTakeWhatAFileCanBeCalledWithinTheirLengthsAndTheCallersLimitHoldsTypingOnly) {
  const InputKeyRules file{InputMode::FileName};
  const InputKeyRules developerFile{InputMode::FileName, 0, true};
  const std::string long35 = std::string(31, 'x') + ".lvl";
  const std::string long36 = std::string(32, 'x') + ".lvl";
  const struct {
    const char* name;
    InputKeyRules rules;
    InputBoxText start;
    std::string keys, expected;
  } cases[] = {
      {"separators and reserved characters refused", file, AtEnd(""), "a/<>:\"\\|?*\tb", "Ab.lvl"},
      {"a lone dot refused", file, AtEnd(""), ".", ""},
      {"dots after a letter pass", file, AtEnd(""), "a.b", "A.b.lvl"},
      {"selection replaced", file, AllSelected("Old.lvl"), "c", "C.lvl"},
      {"backspace over a selection", file, AllSelected("Old.lvl"), "\b", ""},
      {"extension added to a bare default", file, {"abc", 1, 0}, "x", "abcx.lvl"},
      {"35 characters take one more", file, {long35, 31, 0}, "y", long35.substr(0, 31) + "y.lvl"},
      {"beyond 35 refused", file, {long36, 32, 0}, "y", long36},
      {"beyond 35 backspace passes", file, {long36, 32, 0}, "\b", std::string(31, 'x') + ".lvl"},
      {"beyond 35 a selection is replaced", file, AllSelected(long36), "y", "Y.lvl"},
      {"the mode's own text passes the caller's limit, typing does not", {InputMode::FileName, 3}, AtEnd(""), "mb",
       "M.lvl"},
      {"developer: beyond 30 refused", developerFile, AtEnd(std::string(31, 'x')), "y", std::string(31, 'x')},
      {"developer: a lone dot refused", developerFile, AtEnd(""), "..", ""},
      {"a selection may be typed over at the caller's limit", {InputMode::Numeric, 2}, AllSelected("12"), "9", "9"},
  };
  for (const auto& c : cases) EXPECT_EQ(Type(c.rules, c.start, c.keys).text, c.expected) << c.name;
}

// The start of the text and the letter after a hyphen are checked through the box itself.
TEST(KeyFilters, TitlesCapitaliseTheFirstLetterOfEachWordOnly) {
  using Case = std::tuple<std::string, int, int, int, int>;  // text, selection start and length, typed, passed
  for (const auto& [text, start, length, typed, passed] : {
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
