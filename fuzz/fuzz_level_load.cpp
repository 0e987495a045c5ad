// Any bytes as the record of level 1: the game loads it into the live grid without a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/collection_file.h"
#include "support/test_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static brolt::testing::TestGame test;
  std::string record(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, brolt::kMaxRecordLength));
  test.LoadRecord(record);
  return 0;
}
