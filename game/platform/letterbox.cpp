#include "game/platform/letterbox.h"

#include <algorithm>

namespace brolt {

PixelRect LetterboxRect(int windowWidth, int windowHeight) {
  PixelRect rect;
  // Compared in whole numbers so that an exact 4:3 window keeps every pixel.
  if (static_cast<long long>(windowWidth) * kFrameHeight > static_cast<long long>(windowHeight) * kFrameWidth) {
    rect.height = windowHeight;
    rect.width = static_cast<int>(static_cast<long long>(windowHeight) * kFrameWidth / kFrameHeight);
  } else {
    rect.width = windowWidth;
    rect.height = static_cast<int>(static_cast<long long>(windowWidth) * kFrameHeight / kFrameWidth);
  }
  rect.width = std::max(rect.width, 1);
  rect.height = std::max(rect.height, 1);
  rect.x = (windowWidth - rect.width) / 2;
  rect.y = (windowHeight - rect.height) / 2;
  return rect;
}

}  // namespace brolt
