#pragma once
// Where the build put the generated content, and small readers for the tests.
#include <QCoreApplication>
#include <filesystem>
#include <string>

#include "common/file_io.h"

namespace brolt::content::testing {

inline std::filesystem::path DistFolder() { return BROLT_TEST_DIST_DIR; }
inline std::filesystem::path PackStaging() { return BROLT_TEST_PACK_STAGING; }
inline std::filesystem::path ContentData() { return BROLT_TEST_CONTENT_DATA; }

inline std::string FileBytes(const std::filesystem::path& path) { return ReadWholeFile(path).value_or(""); }

// The JPEG reader is a plugin, found through an application object; one for the whole test program.
inline void NeedApplication() {
  static int argc = 1;
  static char name[] = "test_tools_content";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

}  // namespace brolt::content::testing
