// Any bytes as a collection file: every slot reads, and every record decodes, without a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/collection_file.h"
#include "common/level_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (long slot = 1; slot <= static_cast<long>(size / brolt::kSlotLength) + 2; ++slot) {
    std::string record = brolt::SlotRecord(bytes, slot);
    brolt::LevelRecord level = brolt::DecodeLevelRecord(record);
    std::string encoded = brolt::EncodeLevelRecord(level);
    if (encoded.size() != static_cast<std::size_t>(brolt::kLevelRecordLength)) __builtin_trap();
    brolt::TagIntroduction(record);
    brolt::TagEndText(record);
    brolt::IsHolderRecord(record);
  }
  return 0;
}
