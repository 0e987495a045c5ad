#pragma once
// The game's Drawing service: bitmap-font text and turned squares on the render device.
#include "game/core/interfaces/presentation_services.h"

namespace brolt {

struct Game;
class RenderDevice;

class ScreenDrawing final : public Drawing {
 public:
  ScreenDrawing(Game& game, RenderDevice& device) : game_(game), device_(device) {}

  void DrawText(const std::string& text, std::int16_t& x, std::int16_t& y, std::int16_t size, std::int16_t angle,
                std::int16_t wave, std::int16_t sizeWave, std::uint32_t colour) override;
  void DrawQuad(float framesPerSide, float x, float y, std::int16_t frame, std::int16_t row, std::int16_t angle,
                float size, std::int16_t texture, std::uint32_t colour) override;

 private:
  Game& game_;
  RenderDevice& device_;
};

}  // namespace brolt
