#pragma once
// Checks on the texts the game draws with its bitmap font: whether every character has a glyph,
// and how the game breaks a markup text into lines, so that a help page, an end text or an
// introduction is known to fit before it ships.
#include <string>
#include <string_view>
#include <vector>

namespace brolt::content {

// True when every character is a glyph of the font, a space or a markup brace.
bool IsDrawableText(std::string_view text);

// The lines, as drawn (braces kept), that the game's markup drawing shows for `text` at 60
// characters a line; it draws at most (length / 60 + 1) lines and drops what does not fit.
std::vector<std::string> WrapMarkupText(std::string_view text);

// True when the drawn lines hold every character of the text and there are at most `maxLines`.
bool MarkupFits(std::string_view text, int maxLines);

}  // namespace brolt::content
