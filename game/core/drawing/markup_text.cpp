#include "game/core/drawing/markup_text.h"

#include <algorithm>

#include "common/numeric.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

// One layer of a line: braces switch `inside` and are dropped, and the characters on the other side
// of the layer become spaces. The state carries over to the next line.
std::string ExtractLayer(bool& inside, std::string_view text, bool keepInside) {
  std::string layer;
  for (char c : text) {
    if (c == '{') inside = true;
    else if (c == '}') inside = false;
    else layer += (inside == keepInside) ? c : ' ';
  }
  return layer;
}

// Puts a space into every run of more than `width` characters without one, leaving off the final
// space and putting it back. Positions count from 1 and a run after a space starts at the space, so
// the first word of the text may take `width` characters and any later one `width` - 1.
std::string BreakLongWords(const std::string& text, int width) {
  std::string broken;
  int lastSpace = 1;
  for (int i = 1; i < static_cast<int>(text.size()); ++i) {
    char c = text[static_cast<std::size_t>(i - 1)];
    if (c == ' ') lastSpace = i;
    if (i == lastSpace + width) {
      broken += ' ';
      lastSpace = i;
    }
    broken += c;
  }
  return broken + ' ';
}

void DrawLine(Game& game, const std::string& text, std::int16_t y, std::uint32_t colour) {
  std::int16_t x = 0;
  game.services.drawing->DrawText(text, x, y, game.definitions.HelpTextSize, 0, 0, 0, colour);
}

}  // namespace

std::string ExtractBraceWord(Game& game, std::string_view text) {
  return ExtractLayer(game.definitions.InBraceHighlight, text, true);
}

std::string ExtractBraceWordB(Game& game, std::string_view text) {
  return ExtractLayer(game.definitions.InBraceNormal, text, false);
}

void DrawMarkupText(Game& game, std::string_view markup, std::int16_t y, std::uint32_t normalColour,
                    std::uint32_t highlightColour) {
  const std::int16_t size = game.definitions.HelpTextSize;
  std::string text = TrimSpaces(markup) + ' ';
  const int width = RoundToInt32(600.0 / size);
  const auto lines = RoundHalfEven(static_cast<double>(text.size()) / width + 1);
  text = BreakLongWords(text, width);
  const int length = static_cast<int>(text.size());
  auto at = [&](int position) { return text[static_cast<std::size_t>(position - 1)]; };

  game.definitions.InBraceHighlight = false;
  game.definitions.InBraceNormal = false;
  int pos = 1;
  std::int16_t lineY = y;
  for (std::int64_t line = 0; line < lines; ++line) {
    // Start after the space at which the line before was broken.
    if (pos > 1) {
      for (int j = std::min(pos, length); j >= std::max(1, pos - width); --j) {
        if (at(j) == ' ') {
          pos = j + 1;
          break;
        }
      }
    }
    std::string chunk = pos <= length ? text.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(width + 1)) : "";
    std::size_t space = chunk.rfind(' ');
    if (space != std::string::npos) {
      chunk.resize(space);
      pos += width;
    }
    chunk = TrimSpaces(chunk);
    if (!chunk.empty()) {
      std::string normal = ExtractBraceWordB(game, chunk);
      DrawLine(game, normal, lineY, normalColour);
      if (normal != chunk) DrawLine(game, ExtractBraceWord(game, chunk), lineY, highlightColour);
    }
    lineY = static_cast<std::int16_t>(lineY + size + 5);
  }
}

}  // namespace brolt
