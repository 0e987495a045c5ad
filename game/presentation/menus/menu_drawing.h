#pragma once
// What the title menu's pages draw alike: centred captions, the highlight box of the lists and the
// two hint lines at the foot of the screen.
#include <cstdint>
#include <string>

namespace brolt {

struct Game;
class RenderDevice;

// A line of text at (x, y), centred when x is 0, neither turned nor waved.
void DrawMenuText(Game& game, const std::string& text, std::int16_t x, std::int16_t y, std::int16_t size,
                  std::int16_t sizeWave, std::uint32_t colour);

// The box round the highlighted row of a list, its row centred at y: two bars and a lit middle,
// drawn twice over to brighten it.
void DrawListHighlight(RenderDevice& device, float y);

// The two hint lines, markup braces highlighted.
void DrawMenuHints(Game& game, const std::string& first, const std::string& second);

}  // namespace brolt
