#pragma once
// The game's drawing device over OpenGL 3.3 core. Consecutive quads of the same blend, texture and
// space are sent as one draw from a streaming vertex buffer; the drawing order stays as called.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/core/interfaces/render_device.h"
#include "game/platform/gl_context.h"

namespace brolt {

class GlRenderDevice;

struct GraphicsStart {
  // nullptr when neither an accelerated context nor one without acceleration could be made.
  std::unique_ptr<GlRenderDevice> device;
  // The accelerated context failed and the game runs on one without acceleration.
  bool software = false;
  // Why the last failed attempt failed.
  std::string error;
};

// Opens the window and the device, asking for hardware acceleration first.
GraphicsStart OpenGraphics(const std::string& title, WindowMode mode);

class GlRenderDevice final : public RenderDevice {
 public:
  // nullptr with the reason in `error` when the device's program cannot be built.
  static std::unique_ptr<GlRenderDevice> Create(std::unique_ptr<GlContext> context, std::string& error);
  ~GlRenderDevice() override;

  bool LoadTexture(int textureId, const std::filesystem::path& file) override;
  void SetCamera(const Matrix4& worldToClip) override;
  void SetBlend(BlendMode mode) override;
  void SetTexture(int textureId) override;
  void DrawWorldQuad(const Quad& quad) override;
  void DrawScreenQuad(const Quad& quad) override;
  void Clear() override;
  void Present() override;

  // Red, green and blue of one pixel of the frame (x to the right, y down from the top-left) as
  // drawn so far in this frame.
  std::array<std::uint8_t, 3> ReadFramePixel(int x, int y);
  // Writes the frame drawn so far as a 640 x 480 PNG picture; false with the reason on standard
  // error when it can't.
  bool SaveFrame(const std::filesystem::path& file);

  GlContext& Context() { return *context_; }

 private:
  enum class Space { World, Screen };

  explicit GlRenderDevice(std::unique_ptr<GlContext> context);
  bool Build(std::string& error);
  void Queue(const Quad& quad, Space space);
  void Flush();

  std::unique_ptr<GlContext> context_;
  unsigned program_ = 0;
  unsigned vertexArray_ = 0;
  unsigned vertexBuffer_ = 0;
  unsigned indexBuffer_ = 0;
  int toClipLocation_ = -1;
  // Index = TextureId; 0 is an empty slot.
  std::array<unsigned, kTextureSlots + 1> textures_{};

  Matrix4 worldToClip_;
  Matrix4 screenToClip_;
  BlendMode blend_ = BlendMode::Alpha;
  int texture_ = 0;
  Space pendingSpace_ = Space::Screen;
  std::vector<QuadVertex> pending_;
};

}  // namespace brolt
