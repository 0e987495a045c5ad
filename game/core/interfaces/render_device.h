#pragma once
// The drawing device of the game: textured quads in two spaces, three blend modes and 17 texture
// slots. The program draws through the OpenGL device of the platform layer; tests record the calls.
#include <array>
#include <cstdint>
#include <filesystem>

#include "game/core/view/matrix.h"

namespace brolt {

// Texture slots are numbered by TextureId, 1 to kTextureSlots; 0 selects no texture.
constexpr int kTextureSlots = 17;

enum class BlendMode {
  Alpha,      // source x source alpha + destination x (1 - source alpha)
  Additive,   // source + destination
  Exclusion,  // source + destination - 2 x source x destination
};

struct QuadVertex {
  float x = 0;
  float y = 0;
  float z = 0;
  // Direct3D order, 0xAARRGGBB: blue in the low byte. The alpha byte is not used: a drawn pixel
  // takes its alpha from the texture.
  std::uint32_t colour = 0;
  float u = 0;
  float v = 0;
};

// Corners in strip order: 0 bottom-left, 1 top-left, 2 bottom-right, 3 top-right of the picture.
using Quad = std::array<QuadVertex, 4>;

class RenderDevice {
 public:
  virtual ~RenderDevice() = default;

  // Fills a slot from a BMP or JPEG picture, scaled to 256 x 256; opaque black becomes transparent.
  // A picture that cannot be read leaves the slot empty, is named on standard error and gives false.
  virtual bool LoadTexture(int textureId, const std::filesystem::path& file) = 0;

  // The transform of world quads to clip space (see CameraTransform).
  virtual void SetCamera(const Matrix4& worldToClip) = 0;
  // The blend and texture of the quads drawn after the call. A quad drawn while the texture is
  // none or an empty slot draws nothing.
  virtual void SetBlend(BlendMode mode) = 0;
  virtual void SetTexture(int textureId) = 0;

  // A quad in world units through the camera.
  virtual void DrawWorldQuad(const Quad& quad) = 0;
  // A quad in pixels of the 640 x 480 frame, y growing downward; z is not used.
  virtual void DrawScreenQuad(const Quad& quad) = 0;

  // Starts a frame on black; Present shows it.
  virtual void Clear() = 0;
  virtual void Present() = 0;
};

}  // namespace brolt
