#pragma once
// The quads of the 640 x 480 screen layer: turned squares (text, icons, sliders) and axis-aligned
// panels (fades, list highlights), each with its blend.
#include <cstdint>

namespace brolt {

class RenderDevice;

// A square picture `side` pixels wide centred at (x, y), turned clockwise on screen by `angle`
// degrees, from column `frame` and row `row` of `texture` cut into n x n frames.
void DrawQuad(RenderDevice& device, float n, float x, float y, std::int16_t frame, std::int16_t row,
              std::int16_t angle, float side, std::int16_t texture, std::uint32_t colour);

// A rectangle from (left, top) to (right, bottom) showing one frame: alpha-blended, exclusion-blended
// (B) and additive (C).
void DrawPanel(RenderDevice& device, float n, float left, float top, float right, float bottom,
               std::int16_t frame, std::int16_t row, std::int16_t texture, std::uint32_t colour);
void DrawPanelB(RenderDevice& device, float n, float left, float top, float right, float bottom,
                std::int16_t frame, std::int16_t row, std::int16_t texture, std::uint32_t colour);
void DrawPanelC(RenderDevice& device, float n, float left, float top, float right, float bottom,
                std::int16_t frame, std::int16_t row, std::int16_t texture, std::uint32_t colour);

}  // namespace brolt
