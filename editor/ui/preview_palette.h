#pragma once
// The 16 minimap colours by index, as the load dialog's preview draws a tile's Mini value. Kept in
// this one place until the view's own palette table replaces it.
#include <QColor>
#include <array>

namespace brolt::editor {

inline QColor PreviewColour(int index) {
  static const std::array<QColor, 16> colours{
      QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),   QColor(0, 128, 128),
      QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0), QColor(192, 192, 192),
      QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),   QColor(0, 255, 255),
      QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0), QColor(255, 255, 255)};
  return colours[static_cast<std::size_t>(index >= 0 && index < 16 ? index : 0)];
}

}  // namespace brolt::editor
