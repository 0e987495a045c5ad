#pragma once
// A Qt mouse button as the rules number it: 1 left, 2 right, 4 middle, 0 none.
#include <Qt>

namespace brolt::editor {

inline int ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

}  // namespace brolt::editor
