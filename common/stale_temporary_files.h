#pragma once
// The clean-up of the temporary files that whole-file writes cut off by a crash or a kill leave beside
// their targets; nothing else ever removes them, and each can be as large as a full collection.
#include <filesystem>

namespace brolt {

// Removes from `folder` (not below it) the regular files named as the writer names its temporary
// files that no write holds locked and nobody has written to for over a minute. A file that can't be
// opened to see whether a write holds it stays, and so does a folder that can't be read or a file
// that can't be removed, so that the clean-up never stops a program's start.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

}  // namespace brolt
