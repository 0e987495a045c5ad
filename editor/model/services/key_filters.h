#pragma once
// The key filters of the editor's text boxes. Each takes the typed character code (8 for
// Backspace), the box's text, its caret position (0-based) and its selection length, and returns
// the code to insert instead; 0 drops the key.
#include <string_view>

namespace brolt::editor {

constexpr int kBackspaceKey = 8;

// Word capitals for titles and names: the first letter typed, and every letter typed after a space
// or a hyphen, becomes upper case. No key is dropped.
int FilterTitleKey(int keyAscii, std::string_view text, int selStart, int selLength);

// The same rule for collection file names; the input box adds its own extension handling.
int FilterFileNameKey(int keyAscii, std::string_view text, int selStart, int selLength);

// Digits and Backspace only.
int FilterNumericKey(int keyAscii);

// The upper-case form of a single-byte character: ASCII and the Latin-1 letters.
int UpperCaseKey(int keyAscii);

}  // namespace brolt::editor
