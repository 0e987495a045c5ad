#include "game/presentation/text/bitmap_text.h"

#include <cmath>
#include <string_view>

#include "common/numeric.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/presentation/text/sheet_frames.h"

namespace brolt {

namespace {
// The glyph sheet, row by row from the top; a space marks a cell without a glyph.
constexpr std::string_view kGlyphSheet =
    "ABCDEFGH"
    "IJKLMNOP"
    "QRSTUVWX"
    "YZ012345"
    "6789()!-"
    "?.,':%$@"
    "#&*=+<>^"
    "[]{}/\\  ";
}  // namespace

bool FindGlyph(char character, std::int16_t& column, std::int16_t& row) {
  if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 'a' + 'A');
  if (character == ' ') return false;
  std::size_t index = kGlyphSheet.find(character);
  if (index == std::string_view::npos) return false;
  column = static_cast<std::int16_t>(index % 8 + 1);
  row = static_cast<std::int16_t>(index / 8 + 1);
  return true;
}

void DrawBitmapText(Drawing& drawing, std::int16_t spinAngle, std::string_view text, std::int16_t& x,
                    std::int16_t& y, std::int16_t size, std::int16_t angle, std::int16_t wave,
                    std::int16_t sizeWave, std::uint32_t colour) {
  const double length = static_cast<double>(text.size());
  if (x == 0) x = RoundToInt16(320.0 - length * size / 2.0 + size / 2.0);
  if (y == 0) y = 240;
  int phase = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const double s = std::sin((spinAngle + phase) * kDegreesToRadians);
    const std::int32_t dy = RoundToInt32(s * wave);
    const std::int32_t drawnSize = RoundToInt32(sizeWave * s + size * 1.5);
    phase += 50;
    if (phase > 360) phase -= 360;
    std::int16_t column = 0, row = 0;
    if (!FindGlyph(text[i], column, row)) continue;
    drawing.DrawQuad(8.0f, static_cast<float>(x + static_cast<std::int32_t>(i) * size),
                     static_cast<float>(y + dy), column, row, angle, static_cast<float>(drawnSize),
                     kFontTexture, colour);
  }
}

}  // namespace brolt
