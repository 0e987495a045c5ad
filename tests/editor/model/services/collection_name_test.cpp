#include "editor/model/services/collection_name.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

// What a name shows in the lists (its characters) and in a message's single-byte text.
TEST(FileNameAsText, AUtf8NameReadsAsItsCharactersAndAnyOtherByteAsItsLatin1Letter) {
  struct Case {
    const char* name;
    std::string fileName;
    std::u32string characters;
    std::string text;
  };
  const Case cases[] = {
      {"plain", "Designer Set.lvl", U"Designer Set.lvl", "Designer Set.lvl"},
      {"two-byte characters", "Gr\xC3\xB6\xC3\x9Ftes.lvl", U"Gr\u00F6\u00DFtes.lvl", "Gr\xF6\xDFtes.lvl"},
      {"beyond single bytes", "\xC5\x81\xC3\xB3" "d\xC5\xBA.lvl", U"\u0141\u00F3d\u017A.lvl", "?\xF3" "d?.lvl"},
      {"three-byte character", "\xE2\x82\xAC", U"\u20AC", "?"},
      {"four-byte character", "a\xF0\x9F\x98\x80" "b", U"a\U0001F600b", "a?b"},
      {"a Latin-1 name", "Gr\xF6\xDFtes", U"Gr\u00F6\u00DFtes", "Gr\xF6\xDFtes"},
      {"a sequence cut short at the end", "ab\xC3", U"ab\u00C3", "ab\xC3"},
      {"a three-byte sequence cut short", "\xE2\x82", U"\u00E2\u0082", "\xE2\x82"},
      {"a lead byte before a plain one", "\xE2" "ab", U"\u00E2ab", "\xE2" "ab"},
      {"a continuation byte alone", "a\x80" "b", U"a\u0080b", "a\x80" "b"},
      {"overlong two bytes", "\xC0\xAF", U"\u00C0\u00AF", "\xC0\xAF"},
      {"overlong three bytes", "\xE0\x80\xAF", U"\u00E0\u0080\u00AF", "\xE0\x80\xAF"},
      {"overlong four bytes", "\xF0\x80\x80\xAF", U"\u00F0\u0080\u0080\u00AF", "\xF0\x80\x80\xAF"},
      {"a surrogate", "\xED\xA0\x80", U"\u00ED\u00A0\u0080", "\xED\xA0\x80"},
      {"past the last character", "\xF4\x90\x80\x80", U"\u00F4\u0090\u0080\u0080", "\xF4\x90\x80\x80"},
      {"a lead byte no character begins with", "\xF9\x80\x80\x80", U"\u00F9\u0080\u0080\u0080", "\xF9\x80\x80\x80"},
      {"the highest character", "\xF4\x8F\xBF\xBF", U"\U0010FFFF", "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeFileName(c.fileName), c.characters) << c.name;
    EXPECT_EQ(FileNameAsText(c.fileName), c.text) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
