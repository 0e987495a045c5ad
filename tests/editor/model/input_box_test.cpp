#include "editor/model/input_box.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/model/key_filters.h"

namespace brolt::editor {
namespace {

TEST(ParseInputDefault, CutsTheModePrefixesInAnyCaseInTheirOrder) {
  const std::tuple<std::string, InputMode, std::string> cases[] = {
      {"[num]12", InputMode::Numeric, "12"},        {"[file]", InputMode::FileName, ""},
      {"[Proper]my level", InputMode::Proper, "my level"},
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

TEST(FilterInputKey, EachModeTurnsTypingIntoItsText) {
  const InputKeyRules file{InputMode::FileName};
  const InputKeyRules developerFile{InputMode::FileName, 0, true};
  const std::string long35 = std::string(31, 'x') + ".lvl";
  const std::string long36 = std::string(32, 'x') + ".lvl";
  // The title and number filters themselves are checked key by key in key_filters_test.cpp.
  const struct {
    const char* name;
    InputKeyRules rules;
    InputBoxText start;
    std::string keys, expected;
  } cases[] = {
      {"free mode takes everything", {}, AtEnd(""), "a/b.-", "a/b.-"},
      {"proper: words capitalised", {InputMode::Proper}, AtEnd("my level"), " x", "my level X"},
      {"num: digits only", {InputMode::Numeric}, AtEnd("12"), "3-4. 5\b", "1234"},
      {"file: extension added", file, AtEnd(""), "ab", "Ab.lvl"},
      {"file: separators and reserved characters refused", file, AtEnd(""), "a/<>:\"\\|?*\tb", "Ab.lvl"},
      {"file: a lone dot refused", file, AtEnd(""), ".", ""},
      {"file: dots after a letter pass", file, AtEnd(""), "a.b", "A.b.lvl"},
      {"file: selection replaced", file, AllSelected("Old.lvl"), "c", "C.lvl"},
      {"file: backspace over a selection", file, AllSelected("Old.lvl"), "\b", ""},
      {"file: extension added to a bare default", file, {"abc", 1, 0}, "x", "abcx.lvl"},
      {"file: 35 characters take one more", file, {long35, 31, 0}, "y", long35.substr(0, 31) + "y.lvl"},
      {"file: beyond 35 refused", file, {long36, 32, 0}, "y", long36},
      {"file: beyond 35 backspace passes", file, {long36, 32, 0}, "\b", std::string(31, 'x') + ".lvl"},
      {"file: beyond 35 a selection is replaced", file, AllSelected(long36), "y", "Y.lvl"},
      {"developer: no extension", developerFile, AtEnd(""), "ab.clvl", "Ab.clvl"},
      {"developer: beyond 30 refused", developerFile, AtEnd(std::string(31, 'x')), "y", std::string(31, 'x')},
      {"developer: a lone dot refused", developerFile, AtEnd(""), "..", ""},
      {"max length holds typing", {InputMode::Free, 3}, AtEnd("ab"), "cd", "abc"},
      {"max length: a selection may be typed over", {InputMode::Numeric, 2}, AllSelected("12"), "9", "9"},
  };
  for (const auto& c : cases) EXPECT_EQ(Type(c.rules, c.start, c.keys).text, c.expected) << c.name;
}

TEST(FilterInputKey, FileModePutsTheCaretBeforeTheExtensionAndIsNotHeldToTheCallersLimit) {
  const InputKeyRules rules{InputMode::FileName, 3};
  const InputKeyResult first = FilterInputKey(rules, 'm', AtEnd(""));
  ASSERT_TRUE(first.text.has_value());
  EXPECT_EQ(*first.text, "M.lvl");
  EXPECT_EQ(first.caret, 1);
  EXPECT_EQ(first.key, 0);
  EXPECT_EQ(FilterInputKey(rules, 'b', {"M.lvl", 1, 0}).key, 0) << "typing is held to the limit";
}

}  // namespace
}  // namespace brolt::editor
