#include "game/presentation/world_sprites.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "common/numeric.h"
#include "game/core/game.h"
#include "game/core/lighting.h"
#include "game/core/render_device.h"
#include "game/presentation/sheet_frames.h"

namespace brolt {

namespace {

// How the four sprite members differ.
struct SpriteStyle {
  // A negative scale divides the radius (shrinks and half-turns the picture) instead of being ignored.
  bool negativeScaleDivides = false;
  bool mirrored = false;
  // The dim light of creatures and blasts instead of the full light.
  bool scaledLight = false;
  BlendMode blend = BlendMode::Alpha;
};

bool IsTextureSlot(int texture) { return texture >= 1 && texture <= kTextureSlots; }

// Corners 0 to 3 (bottom-left, top-left, bottom-right, top-right at angle 0) lie at these turns
// from the picture's angle.
constexpr int kCornerTurns[4] = {45, 135, -45, -135};

struct SineAndCosine {
  double sine;
  double cosine;
};

// The sine and cosine of a whole number of degrees, exactly as std::sin and std::cos give them.
// Sprites turn by whole degrees and most share a few angles, so the values of the turns within
// three turns either way come from a table built once; any other turn is worked out.
class WholeDegreeTurns {
 public:
  WholeDegreeTurns() {
    for (int degrees = -kReach; degrees <= kReach; ++degrees) table_[Index(degrees)] = Compute(degrees);
  }
  SineAndCosine operator()(int degrees) const {
    return degrees < -kReach || degrees > kReach ? Compute(degrees) : table_[Index(degrees)];
  }

 private:
  static constexpr int kReach = 1080;
  static std::size_t Index(int degrees) { return static_cast<std::size_t>(degrees + kReach); }
  static SineAndCosine Compute(int degrees) {
    const double t = degrees * kDegreesToRadians;
    return {std::sin(t), std::cos(t)};
  }
  std::array<SineAndCosine, 2 * kReach + 1> table_;
};

const WholeDegreeTurns& Turns() {
  static const WholeDegreeTurns turns;
  return turns;
}

int WholeUnits(double v) { return RoundToInt16(v); }

void DrawSprite(Game& game, RenderDevice& device, const WorldSprite& sprite, std::int16_t colourType,
                const SpriteStyle& style) {
  if (!IsTextureSlot(sprite.texture)) return;
  const double aspect = static_cast<double>(RoundHalfEven(static_cast<double>(sprite.rows) / sprite.columns));
  double radius = game.render.HalfCellDiagonal;
  if (sprite.scale > 0) {
    radius *= sprite.scale;
  } else if (sprite.scale < 0 && style.negativeScaleDivides) {
    radius /= sprite.scale;
  }
  const WholeDegreeTurns& turns = Turns();
  Quad quad{};
  for (int corner = 0; corner < 4; ++corner) {
    const SineAndCosine turn = turns(sprite.angle + kCornerTurns[corner]);
    const double x = sprite.x - radius * turn.sine;
    const double y = sprite.y - radius * turn.cosine / aspect;
    QuadVertex& vertex = quad[static_cast<std::size_t>(corner)];
    vertex.x = static_cast<float>(x);
    vertex.y = static_cast<float>(y);
    vertex.z = static_cast<float>(GetCornerDepth(game, vertex.x, vertex.y, sprite.depth));
    vertex.colour = style.scaledLight ? GetCellColourScaled(game, WholeUnits(x), WholeUnits(y), colourType)
                                      : GetCellColour(game, WholeUnits(x), WholeUnits(y), colourType);
  }
  ApplyFrame(quad, SheetFrame(sprite.columns, sprite.rows, sprite.frame, sprite.row), style.mirrored);
  device.SetBlend(style.blend);
  device.SetTexture(sprite.texture);
  device.DrawWorldQuad(quad);
}

}  // namespace

void DrawSpriteRotated(Game& game, RenderDevice& device, const WorldSprite& sprite, std::int16_t colourType) {
  DrawSprite(game, device, sprite, colourType, {});
}

void DrawSpriteRotatedB(Game& game, RenderDevice& device, const WorldSprite& sprite) {
  DrawSprite(game, device, sprite, ObjEmpty, {.mirrored = true});
}

void DrawSpriteRotatedC(Game& game, RenderDevice& device, const WorldSprite& sprite) {
  DrawSprite(game, device, sprite, ObjEmpty,
             {.negativeScaleDivides = true, .scaledLight = true, .blend = BlendMode::Exclusion});
}

void DrawSpriteRotatedD(Game& game, RenderDevice& device, const WorldSprite& sprite, std::int16_t colourType) {
  DrawSprite(game, device, sprite, colourType, {.negativeScaleDivides = true, .scaledLight = true});
}

void DrawBackgroundQuad(Game& game, RenderDevice& device, float x, float y, float depth, float angle, float scale,
                        std::uint32_t colour, float span, float offset, std::int16_t texture) {
  if (!IsTextureSlot(texture)) return;
  double radius = 10.0;
  if (scale > 0) {
    radius *= scale;
  } else if (scale < 0) {
    radius /= scale;
  }
  const float far = offset + span;
  const float us[4] = {offset, offset, far, far};
  const float vs[4] = {far, offset, far, offset};
  Quad quad{};
  for (int corner = 0; corner < 4; ++corner) {
    const double t = (static_cast<double>(angle) + kCornerTurns[corner]) * kDegreesToRadians;
    const double cx = x - radius * std::sin(t);
    const double cy = y - radius * std::cos(t);
    const std::uint32_t lit = colour != 0 ? colour : GetCellColour(game, WholeUnits(cx), WholeUnits(cy), ObjEmpty);
    quad[static_cast<std::size_t>(corner)] = {static_cast<float>(cx), static_cast<float>(cy), depth, lit, us[corner],
                                              vs[corner]};
  }
  device.SetBlend(BlendMode::Additive);
  device.SetTexture(texture);
  device.DrawWorldQuad(quad);
}

std::int32_t GetCornerDepth(const Game& game, float x, float y, float depth) {
  // Far beyond the table every point reads the table's edge, so the floor is kept in range first.
  const auto cell = [](float v) { return static_cast<int>(std::clamp(std::floor(v), -32768.0f, 32767.0f)); };
  const double distance = game.light.LightMap.At(cell(x), cell(y));
  return RoundToInt32(depth - static_cast<double>(game.render.LightFactor) * distance);
}

void InitRenderDefaults(Game& game) { game.menu.LaunchLevel = 0; }

}  // namespace brolt
