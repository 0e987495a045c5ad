// Any bytes as a pack: decoding either gives entries whose paths are safe, or refuses the pack.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/pack_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    for (const brolt::PackEntry& entry : brolt::DecodePack(std::string_view(reinterpret_cast<const char*>(data), size)))
      brolt::PackEntryPath(entry);
  } catch (const brolt::PackFormatError&) {
  }
  return 0;
}
