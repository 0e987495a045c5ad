#pragma once
// A Drawing double that records every call, for tests of anything that draws on the screen layer.
#include <cstdint>
#include <string>
#include <vector>

#include "game/core/interfaces/presentation_services.h"

namespace brolt::testing {

struct TextCall {
  std::string text;
  std::int16_t x, y, size, angle, wave, sizeWave;
  std::uint32_t colour;
};

struct QuadCall {
  float framesPerSide, x, y;
  std::int16_t frame, row, angle;
  float size;
  std::int16_t texture;
  std::uint32_t colour;
};

class RecordingDrawing : public Drawing {
 public:
  void DrawText(const std::string& text, std::int16_t& x, std::int16_t& y, std::int16_t size, std::int16_t angle,
                std::int16_t wave, std::int16_t sizeWave, std::uint32_t colour) override {
    texts.push_back({text, x, y, size, angle, wave, sizeWave, colour});
  }
  void DrawQuad(float framesPerSide, float x, float y, std::int16_t frame, std::int16_t row, std::int16_t angle,
                float size, std::int16_t texture, std::uint32_t colour) override {
    quads.push_back({framesPerSide, x, y, frame, row, angle, size, texture, colour});
  }
  void Clear() {
    texts.clear();
    quads.clear();
  }

  std::vector<TextCall> texts;
  std::vector<QuadCall> quads;
};

}  // namespace brolt::testing
