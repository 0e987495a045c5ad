#pragma once
// The game's window with its OpenGL 3.3 core context.
#include <memory>
#include <string>

#include "game/platform/letterbox.h"

struct SDL_Window;

namespace brolt {

enum class WindowMode { Windowed, FullScreen };

class GlContext {
 public:
  // A 640 x 480 window, or the whole desktop in full screen (a window when full screen is
  // refused), with a current context. accelerated
  // asks for a hardware-accelerated context; without it any renderer will do. nullptr and the
  // reason in `error` when the window or the context cannot be made.
  static std::unique_ptr<GlContext> Open(const std::string& title, WindowMode mode, bool accelerated,
                                         std::string& error);
  ~GlContext();
  GlContext(const GlContext&) = delete;
  GlContext& operator=(const GlContext&) = delete;

  // The window's whole drawable area and the part of it that shows the frame.
  PixelRect WindowRect() const;
  PixelRect FrameRect() const;
  // Presents the frame; where the swap shows nothing, the frame is still drawn to its end.
  void Swap();
  // Whether presenting waits for the display; where it doesn't, the game paces its own frames.
  bool PacedBySwap() const { return pacedBySwap_; }
  // Frames a second of the display that shows the window; 60 when the display does not say.
  int RefreshRate() const;
  void HideWindow();
  // Whether the window took the whole desktop.
  bool FullScreen() const;

 private:
  GlContext(SDL_Window* window, void* context, bool pacedBySwap, bool swapPresents)
      : window_(window), context_(context), pacedBySwap_(pacedBySwap), swapPresents_(swapPresents) {}

  SDL_Window* window_;
  void* context_;
  bool pacedBySwap_;
  bool swapPresents_;
};

}  // namespace brolt
