#include "game/platform/gl_context.h"

#include <SDL2/SDL.h>

#include <cstring>

#include "game/platform/gl_api.h"

namespace brolt {
namespace {

void RequestContext(bool accelerated) {
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  // Later quads cover earlier ones in drawing order; nothing needs a depth or stencil buffer.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, accelerated ? 1 : 0);
}

// The offscreen driver draws into a buffer that no one shows, and its swap is no swap at all: it
// never flushes, so the driver would queue every frame's commands, and the vertex stores they
// read, for the life of the process.
bool SwapPresents() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return !driver || std::strcmp(driver, "offscreen") != 0;
}

// The full-screen window is made as large as the desktop from the start. SDL takes the desktop's
// size for the window's at once and leaves the enlarging to the window manager; an X server
// without one keeps the window at the size it was made, and the game would draw for the desktop
// in a window that shows only a corner of it.
SDL_Window* CreateFullScreenWindow(const std::string& title) {
  SDL_Rect desktop{};
  if (SDL_GetDisplayBounds(0, &desktop) != 0) return nullptr;
  return SDL_CreateWindow(title.c_str(), desktop.x, desktop.y, desktop.w, desktop.h,
                          SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN_DESKTOP);
}

}  // namespace

std::unique_ptr<GlContext> GlContext::Open(const std::string& title, WindowMode mode, bool accelerated,
                                           std::string& error) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  RequestContext(accelerated);
  SDL_Window* window = mode == WindowMode::FullScreen ? CreateFullScreenWindow(title) : nullptr;
  // Where full screen is refused, the game plays on in a window.
  if (!window)
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kFrameWidth,
                              kFrameHeight, SDL_WINDOW_OPENGL);
  SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
  if (!context) {
    error = SDL_GetError();
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  // Presenting waits for the display, as the original full-screen swap did; drivers that cannot
  // wait simply run free.
  const bool paced = SDL_GL_SetSwapInterval(1) == 0 && SDL_GL_GetSwapInterval() == 1;
  return std::unique_ptr<GlContext>(new GlContext(window, context, paced, SwapPresents()));
}

GlContext::~GlContext() {
  SDL_GL_DeleteContext(context_);
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void GlContext::HideWindow() { SDL_HideWindow(window_); }

bool GlContext::FullScreen() const { return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0; }

int GlContext::RefreshRate() const {
  constexpr int kUsualRefreshRate = 60;
  SDL_DisplayMode mode{};
  const int display = SDL_GetWindowDisplayIndex(window_);
  const bool known = display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0;
  return known ? mode.refresh_rate : kUsualRefreshRate;
}

PixelRect GlContext::WindowRect() const {
  PixelRect rect;
  SDL_GL_GetDrawableSize(window_, &rect.width, &rect.height);
  return rect;
}

PixelRect GlContext::FrameRect() const {
  const PixelRect window = WindowRect();
  return LetterboxRect(window.width, window.height);
}

void GlContext::Swap() {
  // Finished, as a window system's swap finishes a frame before showing it: the driver then holds
  // no more than one frame, whatever the run's length.
  if (!swapPresents_) glFinish();
  SDL_GL_SwapWindow(window_);
}

}  // namespace brolt
