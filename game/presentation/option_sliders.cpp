#include "game/presentation/option_sliders.h"

#include "common/numeric.h"
#include "game/core/game.h"
#include "game/core/presentation_services.h"
#include "game/core/texture_id.h"
#include "game/presentation/screen_colours.h"
#include "game/presentation/screen_quads.h"

namespace brolt {

namespace {

// The slider's pieces: columns 1 to 4 of row 7 of the misc sheet.
constexpr std::int16_t kSliderRow = 7;
enum SliderPiece : std::int16_t { kLeftCap = 1, kTrack, kRightCap, kKnob };

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

void DrawSlider(Game&, RenderDevice& device, std::int32_t centreX, std::int32_t y, std::int32_t size,
                std::int32_t minimum, std::int32_t maximum, std::int32_t value, std::uint32_t colour) {
  // The track is laid in steps of the size: a slider without a size would never end it.
  if (size <= 0) return;
  const std::int32_t width = 12 * size;
  const std::int32_t left = centreX - width / 2;
  const std::int32_t right = centreX + width / 2;
  const std::int32_t range = maximum - minimum;
  const std::int32_t step = range == 0 ? 0 : RoundToInt32(static_cast<double>(width - 2 * size) / range);
  auto piece = [&](std::int32_t x, std::int16_t column) {
    DrawQuad(device, 8, static_cast<float>(x), static_cast<float>(y), column, kSliderRow, 0, static_cast<float>(size),
             TexMisc, colour);
  };
  piece(left, kLeftCap);
  for (std::int32_t x = left + size; x <= right - size; x += size) piece(x, kTrack);
  piece(right, kRightCap);
  piece(left + size + (value - minimum) * step, kKnob);
}

void DrawGameSpeedLabel(Game& game) {
  const std::int32_t speed = game.settings.GameSpeed;
  const auto wobble = static_cast<std::int16_t>((9 - speed) * 2);
  std::int16_t x = 0;
  std::int16_t y = 370;
  game.services.drawing->DrawText(GameSpeedName(speed), x, y, 15, 0, wobble, wobble, kOrangeText);
}

}  // namespace brolt
