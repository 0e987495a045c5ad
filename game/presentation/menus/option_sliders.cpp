#include "game/presentation/menus/option_sliders.h"

#include "common/numeric.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

constexpr std::int16_t kSliderRow = 7;
enum SliderPiece : std::int16_t { LeftCap = 1, Track = 2, RightCap = 3, Knob = 4 };

const char* GameSpeedName(std::int32_t speed) {
  switch (speed) {
    case 5: return "drank too much";
    case 6: return "feeling better";
    case 7: return "average reflex";
    case 8: return "too much coffee";
    case 9: return "insanity";
    default: return "";
  }
}

}  // namespace

void DrawSlider(Game& game, std::int32_t centreX, std::int32_t y, std::int32_t size, std::int32_t min,
                std::int32_t max, std::int32_t value, std::uint32_t colour) {
  Drawing& drawing = *game.services.drawing;
  const double width = 12.0 * size;
  const double left = centreX - width / 2;
  const double right = centreX + width / 2;
  const std::int32_t step = max == min ? 0 : RoundToInt32((width - 2.0 * size) / (max - min));
  const auto piece = [&](double x, std::int16_t column) {
    drawing.DrawQuad(8.0f, static_cast<float>(x), static_cast<float>(y), column, kSliderRow, 0,
                     static_cast<float>(size), TexMisc, colour);
  };
  piece(left, LeftCap);
  if (size > 0)
    for (double x = left + size; x <= right - size; x += size) piece(x, Track);
  piece(right, RightCap);
  piece(left + size + static_cast<double>(value - min) * step, Knob);
}

void DrawGameSpeedLabel(Game& game) {
  const auto wobble = static_cast<std::int16_t>((9 - game.settings.GameSpeed) * 2);
  std::int16_t x = 0;
  std::int16_t y = 370;
  game.services.drawing->DrawText(GameSpeedName(game.settings.GameSpeed), x, y, 15, 0, wobble, wobble,
                                  Rgb(255, 200, 100));
}

}  // namespace brolt
