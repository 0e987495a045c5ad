#include "editor/model/services/color_routines.h"

namespace brolt::editor {

std::string ColorToRGBString(std::int32_t colour) {
  const std::uint32_t bits = static_cast<std::uint32_t>(colour);
  return std::to_string(bits & 0xFF) + ',' + std::to_string((bits >> 8) & 0xFF) + ',' +
         std::to_string((bits >> 16) & 0xFF);
}

std::int16_t UShortToInteger(std::int32_t value) {
  return static_cast<std::int16_t>(value > 32767 ? value - 65536 : value);
}

std::int16_t ByteToVertexColor(std::uint8_t channel) { return UShortToInteger(channel * 256); }

}  // namespace brolt::editor
