#pragma once
// The part of a window that shows the 640 x 480 frame: the largest 4:3 rectangle, centred, with
// black bars on the two other sides.
namespace brolt {

constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// In the window's pixels, origin at the bottom-left as OpenGL counts them.
PixelRect LetterboxRect(int windowWidth, int windowHeight);

}  // namespace brolt
