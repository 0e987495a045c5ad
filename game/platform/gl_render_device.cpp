#include "game/platform/gl_render_device.h"

#include <cstddef>
#include <iostream>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>

#include "game/platform/gl_api.h"
#include "game/platform/gl_program.h"
#include "game/platform/picture_file.h"
#include "game/platform/texture_image.h"

namespace brolt {
namespace {

// Quads per draw call; their vertices stay within 16-bit indices.
constexpr int kBatchQuads = 4096;

// Direct3D clips depth to 0..w and OpenGL to -w..w: z' = 2z - w keeps the same near and far planes.
Matrix4 Direct3DToGlDepth() {
  Matrix4 result = IdentityMatrix();
  result(2, 2) = 2;
  result(3, 2) = -1;
  return result;
}

void ApplyBlend(BlendMode mode) {
  switch (mode) {
    case BlendMode::Alpha:
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case BlendMode::Additive:
      glBlendFunc(GL_ONE, GL_ONE);
      break;
    case BlendMode::Exclusion:
      glBlendFunc(GL_ONE_MINUS_DST_COLOR, GL_ONE_MINUS_SRC_COLOR);
      break;
  }
}

bool IsTextureId(int textureId) { return textureId >= 1 && textureId <= kTextureSlots; }

}  // namespace

GraphicsStart OpenGraphics(const std::string& title, WindowMode mode) {
  GraphicsStart start;
  for (const bool accelerated : {true, false}) {
    std::unique_ptr<GlContext> context = GlContext::Open(title, mode, accelerated, start.error);
    if (context) start.device = GlRenderDevice::Create(std::move(context), start.error);
    if (start.device) {
      start.software = !accelerated;
      start.error.clear();
      break;
    }
  }
  return start;
}

std::unique_ptr<GlRenderDevice> GlRenderDevice::Create(std::unique_ptr<GlContext> context,
                                                       std::string& error) {
  std::unique_ptr<GlRenderDevice> device(new GlRenderDevice(std::move(context)));
  if (!device->Build(error)) return nullptr;
  return device;
}

GlRenderDevice::GlRenderDevice(std::unique_ptr<GlContext> context)
    : context_(std::move(context)),
      worldToClip_(IdentityMatrix()),
      screenToClip_(ScreenPixelsToClip(kFrameWidth, kFrameHeight)) {
  pending_.reserve(kBatchQuads * 4);
}

GlRenderDevice::~GlRenderDevice() {
  for (const unsigned texture : textures_) {
    if (texture) glDeleteTextures(1, &texture);
  }
  glDeleteBuffers(1, &indexBuffer_);
  glDeleteBuffers(1, &vertexBuffer_);
  glDeleteVertexArrays(1, &vertexArray_);
  glDeleteProgram(program_);
}

bool GlRenderDevice::Build(std::string& error) {
  program_ = BuildQuadProgram(error);
  if (!program_) return false;
  glUseProgram(program_);
  toClipLocation_ = glGetUniformLocation(program_, "toClip");
  glUniform1i(glGetUniformLocation(program_, "picture"), 0);

  glGenVertexArrays(1, &vertexArray_);
  glBindVertexArray(vertexArray_);
  glGenBuffers(1, &vertexBuffer_);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  glBufferData(GL_ARRAY_BUFFER, sizeof(QuadVertex) * kBatchQuads * 4, nullptr, GL_STREAM_DRAW);
  const auto stride = static_cast<GLsizei>(sizeof(QuadVertex));
  glEnableVertexAttribArray(kPositionAttribute);
  glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(QuadVertex, x)));
  // GL_BGRA reads the little-endian 0xAARRGGBB word as red, green, blue, alpha.
  glEnableVertexAttribArray(kColourAttribute);
  glVertexAttribPointer(kColourAttribute, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        reinterpret_cast<const void*>(offsetof(QuadVertex, colour)));
  glEnableVertexAttribArray(kTexCoordAttribute);
  glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(QuadVertex, u)));

  // Each quad is a strip of corners 0, 1, 2, 3: the triangles (0, 1, 2) and (2, 1, 3).
  std::vector<GLushort> indices;
  indices.reserve(kBatchQuads * 6);
  for (int quad = 0; quad < kBatchQuads; ++quad) {
    const auto base = static_cast<GLushort>(quad * 4);
    for (const int corner : {0, 1, 2, 2, 1, 3}) indices.push_back(static_cast<GLushort>(base + corner));
  }
  glGenBuffers(1, &indexBuffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLushort)),
               indices.data(), GL_STATIC_DRAW);

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  ApplyBlend(blend_);
  glActiveTexture(GL_TEXTURE0);
  const GLenum failure = glGetError();
  if (failure != GL_NO_ERROR) {
    error = "OpenGL error " + std::to_string(failure) + " while setting up the renderer";
    return false;
  }
  return true;
}

bool GlRenderDevice::LoadTexture(int textureId, const std::filesystem::path& file) {
  if (!IsTextureId(textureId)) return false;
  Flush();
  unsigned& texture = textures_[static_cast<std::size_t>(textureId)];
  std::string error;
  const auto texels = LoadTexturePicture(file, error);
  if (!texels) {
    std::cerr << "Could not load the picture " << file.string() << ": " << error << '\n';
    if (texture) glDeleteTextures(1, &texture);
    texture = 0;
    return false;
  }
  if (!texture) glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kTextureSize, kTextureSize, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               texels->data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  return true;
}

void GlRenderDevice::SetCamera(const Matrix4& worldToClip) {
  Flush();
  worldToClip_ = Multiply(worldToClip, Direct3DToGlDepth());
}

void GlRenderDevice::SetBlend(BlendMode mode) {
  if (mode == blend_) return;
  Flush();
  blend_ = mode;
}

void GlRenderDevice::SetTexture(int textureId) {
  const int slot = IsTextureId(textureId) ? textureId : 0;
  if (slot == texture_) return;
  Flush();
  texture_ = slot;
}

void GlRenderDevice::DrawWorldQuad(const Quad& quad) { Queue(quad, Space::World); }

void GlRenderDevice::DrawScreenQuad(const Quad& quad) { Queue(quad, Space::Screen); }

void GlRenderDevice::Queue(const Quad& quad, Space space) {
  if (!textures_[static_cast<std::size_t>(texture_)]) return;
  if (space != pendingSpace_ || pending_.size() >= kBatchQuads * 4) Flush();
  pendingSpace_ = space;
  pending_.insert(pending_.end(), quad.begin(), quad.end());
}

void GlRenderDevice::Flush() {
  if (pending_.empty()) return;
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  // A fresh store each draw lets the driver keep the previous one until it has been drawn.
  glBufferData(GL_ARRAY_BUFFER, sizeof(QuadVertex) * kBatchQuads * 4, nullptr, GL_STREAM_DRAW);
  glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(pending_.size() * sizeof(QuadVertex)),
                  pending_.data());
  // Row vectors times a row-major matrix equal the column-major reading of the same numbers.
  const Matrix4& toClip = pendingSpace_ == Space::World ? worldToClip_ : screenToClip_;
  glUniformMatrix4fv(toClipLocation_, 1, GL_FALSE, toClip.m.data());
  ApplyBlend(blend_);
  glBindTexture(GL_TEXTURE_2D, textures_[static_cast<std::size_t>(texture_)]);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(pending_.size() / 4 * 6), GL_UNSIGNED_SHORT, nullptr);
  pending_.clear();
}

void GlRenderDevice::Clear() {
  Flush();
  const PixelRect window = context_->WindowRect();
  glViewport(0, 0, window.width, window.height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  const PixelRect frame = context_->FrameRect();
  glViewport(frame.x, frame.y, frame.width, frame.height);
}

void GlRenderDevice::Present() {
  Flush();
  context_->Swap();
}

std::array<std::uint8_t, 3> GlRenderDevice::ReadFramePixel(int x, int y) {
  Flush();
  const PixelRect frame = context_->FrameRect();
  const int windowX = frame.x + (2 * x + 1) * frame.width / (2 * kFrameWidth);
  const int windowY = frame.y + frame.height - 1 - (2 * y + 1) * frame.height / (2 * kFrameHeight);
  std::array<std::uint8_t, 4> pixel{};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(windowX, windowY, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  return {pixel[0], pixel[1], pixel[2]};
}

bool GlRenderDevice::SaveFrame(const std::filesystem::path& file) {
  Flush();
  const PixelRect frame = context_->FrameRect();
  std::vector<std::uint8_t> window(static_cast<std::size_t>(frame.width) * frame.height * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(frame.x, frame.y, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE, window.data());
  // The frame as the player sees it: 640 x 480, top row first, whatever the window's size.
  std::vector<std::uint8_t> picture(static_cast<std::size_t>(kFrameWidth) * kFrameHeight * 3);
  for (int y = 0; y < kFrameHeight; ++y) {
    const int sourceY = frame.height - 1 - (2 * y + 1) * frame.height / (2 * kFrameHeight);
    for (int x = 0; x < kFrameWidth; ++x) {
      const int sourceX = (2 * x + 1) * frame.width / (2 * kFrameWidth);
      const std::uint8_t* from = &window[(static_cast<std::size_t>(sourceY) * frame.width + sourceX) * 4];
      std::uint8_t* to = &picture[(static_cast<std::size_t>(y) * kFrameWidth + x) * 3];
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(picture.data(), kFrameWidth, kFrameHeight, 24,
                                                            kFrameWidth * 3, SDL_PIXELFORMAT_RGB24);
  const bool saved = surface && IMG_SavePNG(surface, file.c_str()) == 0;
  if (!saved) std::cerr << "brolt: can't save the picture '" << file.string() << "': " << SDL_GetError() << "\n";
  SDL_FreeSurface(surface);
  return saved;
}

}  // namespace brolt
