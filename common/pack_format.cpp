#include "common/pack_format.h"

#include <cstdint>
#include <limits>

namespace brolt {

namespace {

constexpr std::int64_t kMaxCount = std::numeric_limits<std::int32_t>::max();
constexpr std::size_t kMaxStringLength = std::numeric_limits<std::uint16_t>::max();

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void AppendI32(std::string& out, std::int64_t value) {
  if (value < -1 || value > kMaxCount) throw PackFormatError("A count or length does not fit a pack");
  AppendLittleEndian(out, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)), 4);
}

void AppendString(std::string& out, std::string_view text) {
  if (text.size() > kMaxStringLength) throw PackFormatError("A path part is too long for a pack");
  AppendLittleEndian(out, static_cast<std::uint32_t>(text.size()), 2);
  out += text;
}

// Reads the layout front to back, refusing to read past the end.
class PackCursor {
 public:
  explicit PackCursor(std::string_view bytes) : bytes_(bytes) {}

  std::int32_t ReadI32(const char* what) {
    std::uint32_t value = ReadUnsigned(4, what);
    return static_cast<std::int32_t>(value);
  }
  std::string ReadString(const char* what) {
    std::size_t length = ReadUnsigned(2, what);
    return std::string(Take(length, what));
  }
  std::string_view Take(std::size_t length, const char* what) {
    if (length > bytes_.size() - offset_) throw Truncated(what);
    std::string_view taken = bytes_.substr(offset_, length);
    offset_ += length;
    return taken;
  }

 private:
  std::uint32_t ReadUnsigned(int size, const char* what) {
    std::string_view raw = Take(static_cast<std::size_t>(size), what);
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(raw[static_cast<std::size_t>(i)]);
    return value;
  }
  PackFormatError Truncated(const char* what) const {
    return PackFormatError(std::string("The pack ends inside ") + what + " at byte " + std::to_string(offset_));
  }

  std::string_view bytes_;
  std::size_t offset_ = 0;
};

}  // namespace

std::string EncodePack(const std::vector<PackEntry>& entries) {
  std::string out;
  AppendI32(out, static_cast<std::int64_t>(entries.size()));
  for (const PackEntry& entry : entries) {
    AppendI32(out, 0);
    AppendI32(out, static_cast<std::int64_t>(entry.Parts.size()));
    AppendString(out, "");
    for (const std::string& part : entry.Parts) AppendString(out, part);
    AppendI32(out, static_cast<std::int64_t>(entry.Data.size()) - 1);
    out += entry.Data;
  }
  return out;
}

std::vector<PackEntry> DecodePack(std::string_view bytes) {
  PackCursor cursor(bytes);
  std::int32_t entryCount = cursor.ReadI32("the entry count");
  if (entryCount < 0) throw PackFormatError("The pack's entry count is negative");
  std::vector<PackEntry> entries;
  for (std::int32_t e = 0; e < entryCount; ++e) {
    PackEntry entry;
    cursor.ReadI32("an entry");
    std::int32_t partCount = cursor.ReadI32("an entry's part count");
    if (partCount < 0) throw PackFormatError("An entry's part count is negative");
    cursor.ReadString("an entry's path");
    for (std::int32_t p = 0; p < partCount; ++p) entry.Parts.push_back(cursor.ReadString("an entry's path"));
    std::int32_t dataLength = cursor.ReadI32("an entry's data length");
    if (dataLength < -1) throw PackFormatError("An entry's data length is below -1");
    entry.Data = std::string(cursor.Take(static_cast<std::size_t>(std::int64_t{dataLength} + 1), "an entry's data"));
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::filesystem::path PackEntryPath(const PackEntry& entry) {
  std::string path;
  for (const std::string& part : entry.Parts) path += part;
  for (char& c : path)
    if (c == '\\') c = '/';
  auto refuse = [&](const char* why) { return PackFormatError("Entry path '" + path + "' " + why); };
  if (path.empty()) throw refuse("is empty");
  if (path.find('\0') != std::string::npos) throw refuse("holds a NUL character");
  if (path.front() == '/') throw refuse("is absolute");
  std::string_view rest = path;
  while (true) {
    std::size_t slash = rest.find('/');
    std::string_view component = rest.substr(0, slash);
    if (component == "..") throw refuse("leaves the unpack folder");
    if (slash == std::string_view::npos) {
      if (component.empty() || component == ".") throw refuse("names a folder");
      break;
    }
    rest.remove_prefix(slash + 1);
  }
  return std::filesystem::path(path);
}

}  // namespace brolt
