#pragma once
// A drawing device that keeps every call, for tests of the code that draws.
#include <filesystem>
#include <set>
#include <utility>
#include <vector>

#include "game/core/interfaces/render_device.h"

namespace brolt {

struct RecordedQuad {
  bool world = false;
  BlendMode blend = BlendMode::Alpha;
  int texture = 0;
  Quad quad{};
};

class RecordingRenderDevice final : public RenderDevice {
 public:
  // Texture ids whose pictures a test pretends are missing.
  std::set<int> unreadableTextures;

  std::vector<std::pair<int, std::filesystem::path>> loadedTextures;
  std::vector<RecordedQuad> quads;
  Matrix4 camera = IdentityMatrix();
  int clears = 0;
  int presents = 0;

  bool LoadTexture(int textureId, const std::filesystem::path& file) override {
    loadedTextures.emplace_back(textureId, file);
    return !unreadableTextures.contains(textureId);
  }
  void SetCamera(const Matrix4& worldToClip) override { camera = worldToClip; }
  void SetBlend(BlendMode mode) override { blend_ = mode; }
  void SetTexture(int textureId) override { texture_ = textureId; }
  void DrawWorldQuad(const Quad& quad) override { quads.push_back({true, blend_, texture_, quad}); }
  void DrawScreenQuad(const Quad& quad) override { quads.push_back({false, blend_, texture_, quad}); }
  void Clear() override { ++clears; }
  void Present() override { ++presents; }

 private:
  BlendMode blend_ = BlendMode::Alpha;
  int texture_ = 0;
};

}  // namespace brolt
