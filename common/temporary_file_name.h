#pragma once
// The name a whole-file write gives the temporary file it fills beside its target before renaming it
// over: a dot, the target's name, a marker of ours and six letters or digits drawn afresh, straight
// after the marker. No person or other program names a file so, and an older build's clean-up, which
// took any hidden name ending in a dot and six letters or digits, finds no dot before them. The
// writer and the clean-up of what a crash leaves both take the naming from here, so that they
// cannot drift apart.
#include <string>
#include <string_view>

namespace brolt {

// A fresh temporary file name for a target of this name; another call gives another name.
std::string TemporaryFileName(std::string_view targetName);

// True for a name that the writer could have made for some target.
bool IsTemporaryFileName(std::string_view name);

}  // namespace brolt
