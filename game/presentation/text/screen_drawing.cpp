#include "game/presentation/text/screen_drawing.h"

#include "game/core/state/game.h"
#include "game/presentation/text/bitmap_text.h"
#include "game/presentation/text/screen_quads.h"

namespace brolt {

void ScreenDrawing::DrawText(const std::string& text, std::int16_t& x, std::int16_t& y, std::int16_t size,
                             std::int16_t angle, std::int16_t wave, std::int16_t sizeWave, std::uint32_t colour) {
  DrawBitmapText(*this, game_.timing.SpinAngle, text, x, y, size, angle, wave, sizeWave, colour);
}

void ScreenDrawing::DrawQuad(float framesPerSide, float x, float y, std::int16_t frame, std::int16_t row,
                             std::int16_t angle, float size, std::int16_t texture, std::uint32_t colour) {
  brolt::DrawQuad(device_, framesPerSide, x, y, frame, row, angle, size, texture, colour);
}

}  // namespace brolt
