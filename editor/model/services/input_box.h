#pragma once
// The editor's input box as the rules see it: the mode prefixes of the default text, the key
// handling of each mode, and ShowInputBox over the Dialogs interface.
#include <optional>
#include <string>
#include <string_view>

namespace brolt::editor {

struct Editor;

// "proper" titles, "num" numbers, "file" collection file names; Free lets every key through.
enum class InputMode { Free, Proper, Numeric, FileName };

struct InputDefault {
  InputMode mode = InputMode::Free;
  std::string text;  // the default text without its prefixes
};

// Cuts "[PROPER]", "[NUM]" and "[FILE]" off the default text, in any letter case and in that order;
// the last prefix cut decides the mode.
InputDefault ParseInputDefault(std::string_view defaultText);

// The input box's text as a key meets it.
struct InputBoxText {
  std::string text;
  int selStart = 0;   // the caret, 0-based
  int selLength = 0;
};

// What a typed key does: `key` is the character to insert (0 drops it); when the mode rewrites the
// text itself, `text` is the new text and `caret` the caret after it, and the key is spent.
struct InputKeyResult {
  int key = 0;
  std::optional<std::string> text;
  int caret = 0;
};

struct InputKeyRules {
  InputMode mode = InputMode::Free;
  int maxLength = 0;           // the caller's limit on typing; 0 = none
  bool developerMode = false;  // the designer types whole file names, extension included
  int maxFileNameLength = 30;
};

// One typed key (a single-byte character, or 8 for Backspace) through the box's mode.
InputKeyResult FilterInputKey(const InputKeyRules& rules, int keyAscii, const InputBoxText& box);

// Asks for one line of text; "" when cancelled. A mode prefix on the default text chooses the
// key filter; maxLength 0 means no limit.
std::string ShowInputBox(Editor& editor, std::string_view prompt, std::string_view defaultText, int maxLength);

}  // namespace brolt::editor
