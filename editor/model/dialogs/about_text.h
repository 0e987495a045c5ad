#pragma once
// The about box's text: the help topic keyed exactly "about".
#include <string>

#include "common/database.h"

namespace brolt::editor {

// What the about box shows when the help holds no topic keyed "about".
inline constexpr const char* kAboutDesignText = "About Brenwick Box";

// The body of the first row of table EditorHelp whose key is exactly "about" (a row keyed "About"
// does not count), or the design text when there is none or no database or table to read.
std::string ReadAboutText(Database* database);

}  // namespace brolt::editor
