#include "common/collection_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <stdexcept>

#include "common/file_io.h"

namespace brolt {

std::string SlotRecord(std::string_view fileBytes, long slot) {
  if (slot < 1) return {};
  const auto start = static_cast<unsigned long long>(slot - 1) * kSlotLength;
  if (start + 2 > fileBytes.size()) return {};
  const auto* bytes = reinterpret_cast<const unsigned char*>(fileBytes.data()) + start;
  std::size_t length = bytes[0] | (static_cast<std::size_t>(bytes[1]) << 8);
  length = std::min<std::size_t>(length, kMaxRecordLength);
  length = std::min<std::size_t>(length, fileBytes.size() - start - 2);
  return std::string(fileBytes.substr(start + 2, length));
}

namespace {
// Opens a collection for reading; an empty stream when the file does not exist.
std::ifstream OpenForReading(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored)) throw FileError("Can't read", file);
  }
  return in;
}

// The length word of a slot, or 0 when the file ends before it.
std::size_t ReadLengthWord(std::ifstream& in, long slot) {
  in.clear();
  in.seekg(static_cast<std::streamoff>(slot - 1) * kSlotLength);
  unsigned char word[2];
  if (!in.read(reinterpret_cast<char*>(word), 2)) return 0;
  return std::min<std::size_t>(word[0] | (static_cast<std::size_t>(word[1]) << 8), kMaxRecordLength);
}
}  // namespace

std::string ReadSlot(const std::filesystem::path& file, long slot) {
  if (slot < 1) return {};
  // Every level load comes here, so the slot is read with the fewest system calls: the whole slot
  // in one read, whatever its length word says, and then cut to that length.
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored)) throw FileError("Can't read", file);
    return {};
  }
  std::string bytes(kSlotLength, '\0');
  const off_t start = static_cast<off_t>(slot - 1) * kSlotLength;
  std::size_t got = 0;
  // A short read goes on where it stopped; an error ends the slot there, as the end of the file does.
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, start + static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (got < 2) return {};
  const auto* word = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t length = std::min<std::size_t>(word[0] | (static_cast<std::size_t>(word[1]) << 8), kMaxRecordLength);
  length = std::min(length, got - 2);
  bytes.erase(0, 2);
  bytes.resize(length);
  return bytes;
}

long CountFilledSlots(const std::filesystem::path& file) {
  std::ifstream in = OpenForReading(file);
  if (!in.is_open()) return 0;
  long slot = 1;
  while (ReadLengthWord(in, slot) > 0) ++slot;
  return slot - 1;
}

std::string EncodeSlot(std::string_view record) {
  if (record.size() > static_cast<std::size_t>(kMaxRecordLength))
    throw std::length_error("A record of " + std::to_string(record.size()) +
                            " characters does not fit a collection slot");
  std::string slot(kSlotLength, '\0');
  slot[0] = static_cast<char>(record.size() & 0xFF);
  slot[1] = static_cast<char>((record.size() >> 8) & 0xFF);
  std::copy(record.begin(), record.end(), slot.begin() + 2);
  return slot;
}

void WriteSlot(const std::filesystem::path& file, long slot, std::string_view record) {
  if (slot < 1) throw std::out_of_range("Collection slots count from 1");
  auto bytes = ReadWholeFile(file);
  if (!bytes) throw FileError("Can't write", file, ": the collection does not exist");
  const auto start = static_cast<std::size_t>(slot - 1) * kSlotLength;
  std::string encoded = EncodeSlot(record);
  if (bytes->size() < start + kSlotLength) bytes->resize(start + kSlotLength, '\0');
  std::copy(encoded.begin(), encoded.end(), bytes->begin() + static_cast<long>(start));
  ReplaceFileAtomically(file, *bytes);
}

void WriteCollection(const std::filesystem::path& file, const std::vector<std::string>& records) {
  std::string bytes;
  bytes.reserve(records.size() * kSlotLength);
  for (const auto& record : records) bytes += EncodeSlot(record);
  ReplaceFileAtomically(file, bytes);
}

void CreateCollectionFile(const std::filesystem::path& file) {
  if (ReadWholeFile(file)) return;
  ReplaceFileAtomically(file, {});
}

}  // namespace brolt
