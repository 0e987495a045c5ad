#pragma once
// The byte layout of the game's graphics pack, shared by the game's reader and the pack writer.
//
// All integers are little-endian; i32 is 32-bit signed. A pack is an i32 entry count followed by the
// entries back to back. One entry: an i32 that is ignored, an i32 part count n, then n + 1 strings
// (the first is ignored; the others, joined with nothing between them, form the stored path, with
// "\" between folders), then an i32 data length m and m + 1 bytes of the file (m is -1 for an empty
// file). Both counts are the highest index of an array that starts at 0, hence the extra string and
// byte. A string is a 16-bit unsigned length and that many single-byte characters.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brolt {

// A pack that does not follow the layout; the message says where it goes wrong.
class PackFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One stored file: its path parts (without the ignored leading string) and its contents.
struct PackEntry {
  std::vector<std::string> Parts;
  std::string Data;
};

// The pack's bytes. Throws PackFormatError for a part longer than a string can hold.
std::string EncodePack(const std::vector<PackEntry>& entries);

// The entries of a pack, in file order. Every count and length is checked against the bytes that
// remain; a pack that is cut short or holds a negative count, or a data length below -1, throws
// PackFormatError. Bytes after the last entry are ignored.
std::vector<PackEntry> DecodePack(std::string_view bytes);

// The entry's path relative to the folder it is unpacked into: the parts joined, "\" turned into
// "/". Throws PackFormatError for a path that is empty, absolute, names a folder, holds a NUL or
// climbs out with "..", so that nothing can be written outside that folder.
std::filesystem::path PackEntryPath(const PackEntry& entry);

}  // namespace brolt
