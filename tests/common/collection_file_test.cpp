#include "common/collection_file.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

using testing::TempFolder;

std::string Bytes(const std::filesystem::path& file) { return ReadWholeFile(file).value_or("<missing>"); }

TEST(CollectionSlots, AFullRecordInSlotThreeHasItsLengthWordAtByte20202) {
  TempFolder folder;
  auto file = folder / "a.lvl";
  CreateCollectionFile(file);
  std::string record(kMaxRecordLength, 'x');
  WriteSlot(file, 3, record);
  std::string bytes = Bytes(file);
  ASSERT_EQ(bytes.size(), 3u * kSlotLength);
  EXPECT_EQ(static_cast<unsigned char>(bytes[20202]), 0x73);
  EXPECT_EQ(static_cast<unsigned char>(bytes[20203]), 0x27);
  EXPECT_EQ(bytes.substr(20204, 3), "xxx");
  EXPECT_EQ(ReadSlot(file, 3), record);
}

TEST(CollectionSlots, PastTheEndNeverWrittenAndZeroLengthSlotsReadEmpty) {
  TempFolder folder;
  auto file = folder / "a.lvl";
  CreateCollectionFile(file);
  WriteSlot(file, 3, "third");
  EXPECT_EQ(ReadSlot(file, 1), "");  // never written
  EXPECT_EQ(ReadSlot(file, 3), "third");
  EXPECT_EQ(ReadSlot(file, 4), "");  // past the end
  EXPECT_EQ(ReadSlot(file, 0), "");
  WriteSlot(file, 3, "");
  EXPECT_EQ(ReadSlot(file, 3), "");
}

TEST(CollectionSlots, TheFirstEmptySlotEndsTheList) {
  TempFolder folder;
  auto file = folder / "a.lvl";
  WriteCollection(file, {"one", "two", "", "four"});
  EXPECT_EQ(CountFilledSlots(file), 2);
  EXPECT_EQ(ReadSlot(file, 4), "four");
}

TEST(CollectionSlots, ReadingNeverCreatesAFile) {
  TempFolder folder;
  auto file = folder / "missing.lvl";
  EXPECT_EQ(ReadSlot(file, 1), "");
  EXPECT_EQ(CountFilledSlots(file), 0);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_THROW(WriteSlot(file, 1, "x"), FileError);
  EXPECT_FALSE(std::filesystem::exists(file));
}

// A read that fails for good, as it does on a folder, ends the slot rather than trying forever.
TEST(CollectionSlots, AFolderWithACollectionsNameReadsAsEmpty) {
  TempFolder folder;
  const auto named = folder / "Set.clvl";
  std::filesystem::create_directory(named);
  EXPECT_EQ(ReadSlot(named, 1), "");
  EXPECT_EQ(CountFilledSlots(named), 0);
}

TEST(CollectionSlots, DamagedFilesReadWhatIsThere) {
  // A length word larger than a slot, and a record cut short by the end of the file.
  std::string bytes = "\xff\xff" "abc";
  EXPECT_EQ(SlotRecord(bytes, 1), "abc");
  EXPECT_EQ(SlotRecord("\x05", 1), "");
  EXPECT_EQ(SlotRecord("", 1), "");
}

TEST(CollectionSlots, ARecordTooLongForASlotIsRefused) {
  TempFolder folder;
  auto file = folder / "a.lvl";
  WriteCollection(file, {"one"});
  EXPECT_THROW(WriteSlot(file, 1, std::string(kMaxRecordLength + 1, 'x')), std::length_error);
  EXPECT_EQ(ReadSlot(file, 1), "one");
}

TEST(CollectionSlots, AWriteThatFailsHalfWayLeavesTheOldFileByteForByte) {
  TempFolder folder;
  auto file = folder / "a.clvl";
  WriteCollection(file, {"one", "two", "three"});
  const std::string before = Bytes(file);
  {
    testing::FileSizeLimit limit(15000);
    EXPECT_THROW(WriteSlot(file, 2, "changed"), FileError);
  }
  EXPECT_EQ(Bytes(file), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
}

}  // namespace
}  // namespace brolt
