#pragma once
// The turned quads of the level picture in world units (y up, the view centred on (0, 0)), lit
// corner by corner from the light around the Thresher and sunk into a shallow cone by the depth
// factor; and the free-textured backdrop quad of the menu screens.
#include <cstdint>

#include "game/core/level/lighting.h"

namespace brolt {

struct Game;
class RenderDevice;

// One picture of a texture sheet cut into `columns` x `rows` frames, centred at (x, y) and turned
// clockwise by `angle` degrees. A scale above 0 sizes it; 0 (and, for the plain and mirrored
// sprites, any negative scale) draws it one cell wide.
struct WorldSprite {
  float columns = 8.0f;
  float rows = 8.0f;
  float x = 0.0f;
  float y = 0.0f;
  float depth = 0.0f;
  std::int16_t frame = 1;
  std::int16_t row = 1;
  std::int16_t angle = 0;
  float scale = 0.0f;
  std::int16_t texture = 0;  // a TextureId
};

// A texture outside the texture slots (the empty definition of an inert tile has texture 0) draws
// nothing, and asks nothing of the light.

// Draws the sprites of one frame: the light, the depth table and the view's measures are read once
// for all of them. Holds while the light and the view stay as they were when it was made.
class SpriteDrawer {
 public:
  SpriteDrawer(Game& game, RenderDevice& device);

  // Alpha-blended, lit with the light colour of `colourType` (an object type).
  void DrawSpriteRotated(const WorldSprite& sprite, std::int16_t colourType);
  // The same picture mirrored left to right, lit as an empty cell (the Thresher facing left).
  void DrawSpriteRotatedB(const WorldSprite& sprite);
  // Exclusion-blended in the dim light of creatures, lit as an empty cell (blasts and shots). A
  // negative scale shrinks the picture by its size and turns it half a turn.
  void DrawSpriteRotatedC(const WorldSprite& sprite);
  // Alpha-blended in the dim light of `colourType` (creatures); a negative scale as for C.
  void DrawSpriteRotatedD(const WorldSprite& sprite, std::int16_t colourType);

 private:
  struct Style;
  void Draw(const WorldSprite& sprite, std::int16_t colourType, const Style& style);

  Game& game_;
  RenderDevice& device_;
  CornerLight light_;
  RadialReader depths_;
  float lightFactor_;
  float halfCellDiagonal_;
};

// An additive quad 20 units wide (times a positive scale, divided by a negative one) at a float
// angle, showing `span` repeats of the texture from (offset, offset). Colour 0 lights the corners
// from the level light; any other colour is used as it stands.
void DrawBackgroundQuad(Game& game, RenderDevice& device, float x, float y, float depth, float angle, float scale,
                        std::uint32_t colour, float span, float offset, std::int16_t texture);

// The z of a sprite corner at (x, y): the depth lowered by LightFactor for every unit of distance
// from the view centre.
std::int32_t GetCornerDepth(const Game& game, float x, float y, float depth);

// The drawing words that start-up sets before the first frame.
void InitRenderDefaults(Game& game);

}  // namespace brolt
