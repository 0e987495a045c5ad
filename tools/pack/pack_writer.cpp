#include "tools/pack/pack_writer.h"

#include <algorithm>

#include "common/file_io.h"

namespace brolt {

PackEntry MakePackEntry(std::string_view storedPath, std::string data) {
  std::string part(storedPath);
  std::replace(part.begin(), part.end(), '/', '\\');
  PackEntry entry{{std::move(part)}, std::move(data)};
  PackEntryPath(entry);
  return entry;
}

void WritePackFile(const std::filesystem::path& pack, const std::vector<PackEntry>& entries) {
  ReplaceFileAtomically(pack, EncodePack(entries));
}

}  // namespace brolt
