#pragma once
// Markup text: plain text in which a part between "{" and "}" is drawn in a highlight colour. A line
// is drawn as two layers of the same length, the normal one and, when the line holds or lies inside
// a brace, the highlight one over it; the braces take no room. A brace left open keeps highlighting
// on the following lines of the same text.
#include <cstdint>
#include <string>
#include <string_view>

namespace brolt {

struct Game;

// The highlight layer of a line: the characters inside braces, every other one a space.
std::string ExtractBraceWord(Game& game, std::string_view text);
// The normal layer of a line: the characters outside braces, every other one a space.
std::string ExtractBraceWordB(Game& game, std::string_view text);

// Draws the text centred on the screen and word-wrapped to 600 units (60 characters of the help
// size), first line at y, lines HelpTextSize + 5 apart. A word longer than a line is broken. Only as
// many lines are drawn as the text's length allows for; text beyond them is left out.
void DrawMarkupText(Game& game, std::string_view text, std::int16_t y, std::uint32_t normalColour,
                    std::uint32_t highlightColour);

}  // namespace brolt
