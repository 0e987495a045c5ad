#include "game/presentation/level_drawing/world_sprites.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "common/numeric.h"
#include "game/core/interfaces/render_device.h"
#include "game/core/level/lighting.h"
#include "game/core/state/game.h"
#include "game/presentation/text/sheet_frames.h"

namespace brolt {

namespace {

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

// The floor of a coordinate as a table offset. Far beyond the table every point reads the table's
// edge, so the coordinate is kept in range first (NaN at the low end). The floor is taken from the
// truncation, with no library call and no branch: every corner takes it twice.
int FloorCell(float v) {
  constexpr float kLow = -32768.0f, kHigh = 32767.0f;
  const float above = v > kLow ? v : kLow;
  const float kept = above < kHigh ? above : kHigh;
  const int truncated = static_cast<int>(kept);
  return truncated - (static_cast<float>(truncated) > kept ? 1 : 0);
}

// The depth of a corner read from the table (see GetCornerDepth). Inline in the corner loop of
// every sprite.
[[gnu::always_inline]] inline std::int32_t CornerDepth(const RadialReader& depths, float lightFactor, float x,
                                                       float y, float depth) {
  const double distance = depths.At(FloorCell(x), FloorCell(y));
  return RoundToInt32(depth - static_cast<double>(lightFactor) * distance);
}

}  // namespace

// How the four sprite members differ.
struct SpriteDrawer::Style {
  // A negative scale divides the radius (shrinks and half-turns the picture) instead of being ignored.
  bool negativeScaleDivides = false;
  bool mirrored = false;
  // The dim light of creatures and blasts instead of the full light.
  bool scaledLight = false;
  BlendMode blend = BlendMode::Alpha;
};

SpriteDrawer::SpriteDrawer(Game& game, RenderDevice& device)
    : game_(game),
      device_(device),
      light_(game),
      depths_(game.light.LightMap),
      lightFactor_(game.render.LightFactor),
      halfCellDiagonal_(game.render.HalfCellDiagonal) {}

void SpriteDrawer::DrawSpriteRotated(const WorldSprite& sprite, std::int16_t colourType) { Draw(sprite, colourType, {}); }

void SpriteDrawer::DrawSpriteRotatedB(const WorldSprite& sprite) { Draw(sprite, ObjEmpty, {.mirrored = true}); }

void SpriteDrawer::DrawSpriteRotatedC(const WorldSprite& sprite) {
  Draw(sprite, ObjEmpty, {.negativeScaleDivides = true, .scaledLight = true, .blend = BlendMode::Exclusion});
}

void SpriteDrawer::DrawSpriteRotatedD(const WorldSprite& sprite, std::int16_t colourType) {
  Draw(sprite, colourType, {.negativeScaleDivides = true, .scaledLight = true});
}

void SpriteDrawer::Draw(const WorldSprite& sprite, std::int16_t colourType, const Style& style) {
  if (!IsTextureSlot(sprite.texture)) return;
  const double aspect = static_cast<double>(RoundHalfEven(static_cast<double>(sprite.rows) / sprite.columns));
  double radius = halfCellDiagonal_;
  if (sprite.scale > 0) {
    radius *= sprite.scale;
  } else if (sprite.scale < 0 && style.negativeScaleDivides) {
    radius /= sprite.scale;
  }
  // Without a depth factor (the game starts so, and only the depth keys change it) every corner
  // lies at the sprite's own depth, whatever its distance.
  const bool flat = lightFactor_ == 0.0f;
  const float flatDepth = flat ? static_cast<float>(RoundToInt32(sprite.depth)) : 0.0f;
  // Everything but the colours first, for all four corners: the colours may draw random numbers.
  const int colourClass = LightColourClass(game_, colourType);
  const WholeDegreeTurns& turns = Turns();
  std::array<float, 4> xs;
  std::array<float, 4> ys;
  std::array<float, 4> zs;
  std::array<std::size_t, 4> lights;
  for (std::size_t corner = 0; corner < 4; ++corner) {
    const SineAndCosine turn = turns(sprite.angle + kCornerTurns[corner]);
    double rise = radius * turn.cosine;
    // Most frames are square, and a division by 1 would change nothing.
    if (aspect != 1.0) rise /= aspect;
    const double x = sprite.x - radius * turn.sine;
    const double y = sprite.y - rise;
    xs[corner] = static_cast<float>(x);
    ys[corner] = static_cast<float>(y);
    zs[corner] = flat ? flatDepth
                      : static_cast<float>(CornerDepth(depths_, lightFactor_, xs[corner], ys[corner], sprite.depth));
    lights[corner] = light_.Index(WholeUnits(x), WholeUnits(y), colourClass);
  }
  std::array<std::uint32_t, 4> colours;
  for (std::size_t corner = 0; corner < 4; ++corner)
    colours[corner] = style.scaledLight ? light_.ScaledColour(lights[corner]) : light_.Colour(lights[corner]);
  const auto vertex = [&](std::size_t corner) {
    return QuadVertex{xs[corner], ys[corner], zs[corner], colours[corner]};
  };
  Quad quad = {vertex(0), vertex(1), vertex(2), vertex(3)};
  ApplyFrame(quad, SheetFrame(sprite.columns, sprite.rows, sprite.frame, sprite.row), style.mirrored);
  device_.SetBlend(style.blend);
  device_.SetTexture(sprite.texture);
  device_.DrawWorldQuad(quad);
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
  return CornerDepth(RadialReader(game.light.LightMap), game.render.LightFactor, x, y, depth);
}

void InitRenderDefaults(Game& game) { game.menu.LaunchLevel = 0; }

}  // namespace brolt
