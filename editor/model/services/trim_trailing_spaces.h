#pragma once
// The title of a level record as the lists show and compare it.
#include <string>
#include <string_view>

namespace brolt::editor {

// A record of 30 characters or more gives its 30-character title field without trailing spaces
// ("" when the field is blank, as in the tag record). A shorter text comes back unchanged, trailing
// spaces included, so the holder record "     [HOLDER]" keeps its leading blanks. Not TrimSpaces:
// leading blanks always stay.
std::string TrimTrailingSpaces(std::string_view record);

}  // namespace brolt::editor
