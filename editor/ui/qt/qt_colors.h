#pragma once
// The editor's colours cross into Qt here: ColorText preferences such as "64,128,255" and RGB
// values with red in the low byte.
#include <QColor>
#include <cstdint>
#include <string_view>

namespace brolt::editor {

QColor ColorFromText(std::string_view colorText);
QColor ColorFromRgb(std::int32_t rgb);

}  // namespace brolt::editor
