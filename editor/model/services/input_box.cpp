#include "editor/model/services/input_box.h"

#include <array>
#include <utility>

#include "common/numeric.h"
#include "editor/model/editor.h"
#include "editor/model/services/collection_name.h"
#include "editor/model/services/key_filters.h"

namespace brolt::editor {

namespace {

constexpr std::string_view kExtension = ".lvl";

bool WholeTextSelected(const InputBoxText& box) {
  return box.selLength == static_cast<int>(box.text.size());
}

bool EndsWithExtension(std::string_view text) {
  return text.size() >= kExtension.size() && ToLowerAscii(text.substr(text.size() - kExtension.size())) == kExtension;
}

// The text as it would read with the key typed over the selection.
std::string Typed(const InputBoxText& box, int key) {
  std::string text = box.text;
  text.replace(static_cast<std::size_t>(box.selStart), static_cast<std::size_t>(box.selLength), 1, static_cast<char>(key));
  return text;
}

InputKeyResult Passed(int key) {
  InputKeyResult result;
  result.key = key;
  return result;
}

bool OnlyDots(std::string_view name) { return !name.empty() && name.find_first_not_of('.') == std::string_view::npos; }

// A file name typed key by key may not take a character that file names refuse, nor become a name
// made only of dots; the file commands check the finished name again.
bool RefusedInFileName(int key, std::string_view result) {
  return !IsFileNameCharacter(key) || OnlyDots(CollectionNamePart(result));
}

InputKeyResult FilterFileNameInput(const InputKeyRules& rules, int key, const InputBoxText& box) {
  // Backspace always passes, whatever the name looks like: the designer can always shorten it.
  if (key == kBackspaceKey) return Passed(key);
  key = FilterFileNameKey(key, box.text, box.selStart, box.selLength);
  const bool whole = WholeTextSelected(box);
  const int length = static_cast<int>(box.text.size());
  if (rules.developerMode) {
    if (length > rules.maxFileNameLength && !whole) return {};
    if (RefusedInFileName(key, Typed(box, key))) return {};
    return Passed(key);
  }
  if (!EndsWithExtension(box.text) || whole) {
    const std::string name = whole ? std::string() : box.text;
    std::string text = name + static_cast<char>(key) + std::string(kExtension);
    if (RefusedInFileName(key, text)) return {};
    return {0, std::move(text), static_cast<int>(name.size()) + 1};
  }
  if (length > rules.maxFileNameLength + 5 && !whole) return {};
  if (RefusedInFileName(key, Typed(box, key))) return {};
  return Passed(key);
}

}  // namespace

InputDefault ParseInputDefault(std::string_view defaultText) {
  constexpr std::array<std::pair<std::string_view, InputMode>, 3> kPrefixes{{
      {"[PROPER]", InputMode::Proper}, {"[NUM]", InputMode::Numeric}, {"[FILE]", InputMode::FileName}}};
  InputDefault result;
  for (const auto& [prefix, mode] : kPrefixes) {
    if (ToUpperAscii(defaultText.substr(0, prefix.size())) == prefix) {
      defaultText.remove_prefix(prefix.size());
      result.mode = mode;
    }
  }
  result.text = std::string(defaultText);
  return result;
}

InputKeyResult FilterInputKey(const InputKeyRules& rules, int keyAscii, const InputBoxText& box) {
  InputKeyResult result = Passed(keyAscii);
  switch (rules.mode) {
    case InputMode::Free: break;
    case InputMode::Proper: result.key = FilterTitleKey(keyAscii, box.text, box.selStart, box.selLength); break;
    case InputMode::Numeric: result.key = FilterNumericKey(keyAscii); break;
    case InputMode::FileName: result = FilterFileNameInput(rules, keyAscii, box); break;
  }
  // The caller's limit holds for typing only: text the mode writes itself may go past it.
  const bool inserts = result.key != 0 && result.key != kBackspaceKey;
  if (inserts && rules.maxLength > 0 && static_cast<int>(box.text.size()) - box.selLength >= rules.maxLength) {
    result.key = 0;
  }
  return result;
}

std::string ShowInputBox(Editor& editor, std::string_view prompt, std::string_view defaultText, int maxLength) {
  return editor.ui.dialogs->ShowInputBox(prompt, defaultText, maxLength);
}

}  // namespace brolt::editor
