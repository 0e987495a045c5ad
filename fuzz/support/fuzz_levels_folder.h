#pragma once
// An editor over a temporary program folder whose Levels folder receives the fuzzed collection,
// with a tile catalogue whose minimap colours run past both ends of their range.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "common/file_io.h"
#include "common/temporary_folder.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/editor.h"

namespace brolt::fuzzing {

// Every input writes files, and on a disk each flush of them would slow the fuzzer down a
// hundredfold: the folder goes into memory where the system has a memory file system, unless
// TMPDIR says otherwise.
struct TemporaryFilesInMemory {
  TemporaryFilesInMemory() {
    std::error_code ignored;
    if (std::filesystem::is_directory("/dev/shm", ignored)) ::setenv("TMPDIR", "/dev/shm", 0);
  }
};

struct FuzzLevelsFolder {
  TemporaryFilesInMemory inMemory;
  TemporaryFolder folder;
  editor::Editor editor;

  FuzzLevelsFolder() {
    editor.AppPath = folder.Path();
    std::filesystem::create_directories(editor::LevelsFolder(editor));
    for (int code = 0; code < editor::kTileCodes; ++code)
      editor.tiles.TileDefs[static_cast<std::size_t>(code)].Mini = static_cast<std::int16_t>(code % 20 - 2);
  }

  // Writes the fuzzer's bytes as the collection `name` of the Levels folder.
  void WriteCollection(std::string_view name, const std::uint8_t* data, std::size_t size) {
    ReplaceFileAtomically(editor::CollectionPath(editor, name),
                          std::string_view(reinterpret_cast<const char*>(data), size));
  }
};

}  // namespace brolt::fuzzing
