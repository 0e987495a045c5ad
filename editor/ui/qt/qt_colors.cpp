#include "editor/ui/qt/qt_colors.h"

#include <algorithm>

#include "editor/model/services/colour_scheme.h"

namespace brolt::editor {

namespace {
int Component(int value) { return std::clamp(value, 0, 255); }
}  // namespace

QColor ColorFromText(std::string_view colorText) {
  return QColor(Component(GetColorComponent(colorText, true, false, false).value_or(0)),
                Component(GetColorComponent(colorText, false, true, false).value_or(0)),
                Component(GetColorComponent(colorText, false, false, true).value_or(0)));
}

QColor ColorFromRgb(std::int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

}  // namespace brolt::editor
