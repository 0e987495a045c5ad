#include "editor/model/services/collection_name.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

TEST(FileNameAsText, AUtf8NameBecomesTheMessagesSingleByteText) {
  struct Case {
    const char* name;
    std::string fileName;
    std::string text;
  };
  const Case cases[] = {
      {"plain", "Designer Set.lvl", "Designer Set.lvl"},
      {"two-byte characters", "Gr\xC3\xB6\xC3\x9Ftes.lvl", "Gr\xF6\xDFtes.lvl"},
      {"beyond single bytes", "\xC5\x81\xC3\xB3" "d\xC5\xBA.lvl", "?\xF3" "d?.lvl"},
      {"four-byte character", "a\xF0\x9F\x98\x80" "b", "a?b"},
      {"a byte that is no UTF-8 stays", "Gr\xF6\xDFtes", "Gr\xF6\xDFtes"},
      {"a sequence cut short at the end", "ab\xC3", "ab\xC3"},
      {"a lead byte before a plain one", "\xE2" "ab", "\xE2" "ab"},
  };
  for (const Case& c : cases) EXPECT_EQ(FileNameAsText(c.fileName), c.text) << c.name;
}

}  // namespace
}  // namespace brolt::editor
