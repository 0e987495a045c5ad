#pragma once
// The name a whole-file write gives the temporary file it fills beside its target before renaming it
// over: a dot, the target's name, a dot and the six characters mkstemp fills in. The writer and the
// clean-up of the files a crash leaves behind both take it from here, so that they cannot drift apart.
#include <string>
#include <string_view>

namespace brolt {

// The mkstemp template of the temporary file for a target of this name.
std::string TemporaryFileTemplate(std::string_view targetName);

// True for a name that the writer could have made for some target.
bool IsTemporaryFileName(std::string_view name);

}  // namespace brolt
