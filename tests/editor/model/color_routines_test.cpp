#include "editor/model/color_routines.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

TEST(ColorToRGBString, WritesRedGreenAndBlueFromTheLowByteUp) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0,0,0"},
      {0x0180FF, "255,128,1"},
      {0xFFFFFF, "255,255,255"},
      {0x123456, "86,52,18"},
      {static_cast<std::int32_t>(0xFF0000FF), "255,0,0"},  // the high byte is no colour
  };
  for (const auto& [colour, text] : cases) EXPECT_EQ(ColorToRGBString(colour), text) << colour;
}

TEST(UShortToInteger, ReadsSixteenBitsAsASignedNumber) {
  const std::pair<std::int32_t, std::int16_t> cases[] = {{0, 0}, {32767, 32767}, {32768, -32768}, {65280, -256}, {65535, -1}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(UShortToInteger(value), expected) << value;
}

TEST(ByteToVertexColor, PutsTheChannelInTheHighByte) {
  const std::pair<std::uint8_t, std::int16_t> cases[] = {{0, 0}, {1, 256}, {127, 32512}, {128, -32768}, {255, -256}};
  for (const auto& [channel, expected] : cases) EXPECT_EQ(ByteToVertexColor(channel), expected) << int{channel};
}

}  // namespace
}  // namespace brolt::editor
