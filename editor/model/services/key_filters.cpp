#include "editor/model/services/key_filters.h"

namespace brolt::editor {

int UpperCaseKey(int keyAscii) {
  if (keyAscii >= 'a' && keyAscii <= 'z') return keyAscii - 32;
  // Latin-1 keeps its accented small letters 32 above their capitals; the division sign has none.
  if (keyAscii >= 0xE0 && keyAscii <= 0xFE && keyAscii != 0xF7) return keyAscii - 32;
  return keyAscii;
}

int FilterTitleKey(int keyAscii, std::string_view text, int selStart, int selLength) {
  const int length = static_cast<int>(text.size());
  if (selStart == 0 || selLength == length || text.empty()) return UpperCaseKey(keyAscii);
  if (selLength == 0 && selStart <= length) {
    const char before = text[static_cast<std::size_t>(selStart - 1)];
    if (before == ' ' || before == '-') return UpperCaseKey(keyAscii);
  }
  return keyAscii;
}

int FilterFileNameKey(int keyAscii, std::string_view text, int selStart, int selLength) {
  return FilterTitleKey(keyAscii, text, selStart, selLength);
}

int FilterNumericKey(int keyAscii) {
  return keyAscii == kBackspaceKey || (keyAscii >= '0' && keyAscii <= '9') ? keyAscii : 0;
}

}  // namespace brolt::editor
