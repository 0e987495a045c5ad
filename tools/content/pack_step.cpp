#include "tools/content/pack_step.h"

#include "common/file_io.h"
#include "tools/pack/pack_writer.h"

namespace brolt::content {

bool WritePack(const std::filesystem::path& packFile, const std::vector<NamedFile>& entries,
               const std::filesystem::path& stagingFolder) {
  if (!stagingFolder.empty()) {
    std::filesystem::create_directories(stagingFolder);
    for (const NamedFile& entry : entries) ReplaceFileAtomically(stagingFolder / entry.name, entry.bytes);
  }
  std::vector<PackEntry> pack;
  pack.reserve(entries.size());
  for (const NamedFile& entry : entries) pack.push_back(MakePackEntry(entry.name, entry.bytes));
  WritePackFile(packFile, pack);
  return true;
}

}  // namespace brolt::content
