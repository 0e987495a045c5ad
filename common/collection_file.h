#pragma once
// A level collection file: fixed slots of 10101 bytes, each holding one single-byte text record
// behind a 16-bit little-endian length. There is no header; slot N (from 1) starts at (N - 1) x 10101.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brolt {

constexpr int kSlotLength = 10101;
constexpr int kMaxRecordLength = kSlotLength - 2;
constexpr int kMaxCollectionLevels = 999;

// The record in one slot of a file's bytes. A slot past the end, a slot that was never written and a
// zero length read as the empty text; a length word larger than the slot, or than the bytes left in
// the file, gives only the characters that are there.
std::string SlotRecord(std::string_view fileBytes, long slot);

// The record in slot `slot` of a collection file; a missing file reads as empty. Never creates it.
std::string ReadSlot(const std::filesystem::path& file, long slot);

// How many slots from slot 1 on hold a record before the first empty one. Reads only the length
// words, so counting a full collection stays cheap. A missing file counts 0.
long CountFilledSlots(const std::filesystem::path& file);

// The bytes of one slot holding `record`, which must fit (checked: throws std::length_error).
std::string EncodeSlot(std::string_view record);

// Rewrites one slot of an existing collection, keeping every other byte, through an atomic
// replacement. Slots between the end of the file and `slot` are written empty.
// Throws FileError when the file is missing or cannot be written; the old file then stays as it was.
void WriteSlot(const std::filesystem::path& file, long slot, std::string_view record);

// Writes a whole collection, one record per slot from slot 1, replacing the file atomically.
void WriteCollection(const std::filesystem::path& file, const std::vector<std::string>& records);

// Creates an empty collection file (zero bytes) unless one exists. The only operation that creates.
void CreateCollectionFile(const std::filesystem::path& file);

}  // namespace brolt
