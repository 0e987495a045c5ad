#include "game/presentation/text/screen_quads.h"

#include <cmath>

#include "game/core/interfaces/render_device.h"
#include "game/presentation/text/sheet_frames.h"

namespace brolt {

namespace {

void DrawOnScreen(RenderDevice& device, BlendMode blend, std::int16_t texture, const Quad& quad) {
  device.SetBlend(blend);
  device.SetTexture(texture);
  device.DrawScreenQuad(quad);
}

void DrawPanelWith(RenderDevice& device, BlendMode blend, float n, float left, float top, float right,
                   float bottom, std::int16_t frame, std::int16_t row, std::int16_t texture,
                   std::uint32_t colour) {
  Quad quad{};
  const float xs[4] = {left, left, right, right};
  const float ys[4] = {bottom, top, bottom, top};
  for (int corner = 0; corner < 4; ++corner) quad[corner] = {xs[corner], ys[corner], 0.0f, colour, 0, 0};
  ApplyFrame(quad, SheetFrame(n, n, frame, row));
  DrawOnScreen(device, blend, texture, quad);
}

}  // namespace

void DrawQuad(RenderDevice& device, float n, float x, float y, std::int16_t frame, std::int16_t row,
              std::int16_t angle, float side, std::int16_t texture, std::uint32_t colour) {
  const double radius = std::sqrt(static_cast<double>(side) * side * 2.0) / 2.0;
  // Screen y grows downward, so the angle is negated to keep a positive angle clockwise on screen.
  const double turned = -static_cast<double>(angle);
  // Corners 0 to 3: bottom-left, top-left, bottom-right, top-right.
  const double cornerAngles[4] = {turned + 135.0, turned + 45.0, turned - 135.0, turned - 45.0};
  Quad quad{};
  for (int corner = 0; corner < 4; ++corner) {
    const double t = cornerAngles[corner] * kDegreesToRadians;
    quad[corner] = {static_cast<float>(x - radius * std::sin(t)), static_cast<float>(y - radius * std::cos(t)),
                    0.0f, colour, 0, 0};
  }
  ApplyFrame(quad, SheetFrame(n, n, frame, row));
  DrawOnScreen(device, BlendMode::Alpha, texture, quad);
}

void DrawPanel(RenderDevice& device, float n, float left, float top, float right, float bottom,
               std::int16_t frame, std::int16_t row, std::int16_t texture, std::uint32_t colour) {
  DrawPanelWith(device, BlendMode::Alpha, n, left, top, right, bottom, frame, row, texture, colour);
}

void DrawPanelB(RenderDevice& device, float n, float left, float top, float right, float bottom,
                std::int16_t frame, std::int16_t row, std::int16_t texture, std::uint32_t colour) {
  DrawPanelWith(device, BlendMode::Exclusion, n, left, top, right, bottom, frame, row, texture, colour);
}

void DrawPanelC(RenderDevice& device, float n, float left, float top, float right, float bottom,
                std::int16_t frame, std::int16_t row, std::int16_t texture, std::uint32_t colour) {
  DrawPanelWith(device, BlendMode::Additive, n, left, top, right, bottom, frame, row, texture, colour);
}

}  // namespace brolt
