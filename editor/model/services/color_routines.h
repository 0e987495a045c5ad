#pragma once
// Colour conversions of the editor: a colour value into ColorText, and the 8-bit channels into the
// 16-bit channels of a gradient's corners.
#include <cstdint>
#include <string>

namespace brolt::editor {

// A colour with red in the low byte, green in the next and blue in the third, as "r,g,b" in
// decimal without spaces; the high byte is ignored.
std::string ColorToRGBString(std::int32_t colour);

// The 16 bits of a value 0..65535 read as a signed number: values above 32767 lose 65536.
std::int16_t UShortToInteger(std::int32_t value);

// An 8-bit channel as a gradient corner's 16-bit channel: the byte in the high half.
std::int16_t ByteToVertexColor(std::uint8_t channel);

}  // namespace brolt::editor
