#pragma once
// Reading one component out of a ColorText such as "255,0,128" or "078, 12, 3".
#include <optional>
#include <string_view>

namespace brolt::editor {

// Red when wantRed, else green when wantGreen, else blue when wantBlue; each is the leading number
// of its field. Nothing when no flag is set or the text lacks the commas that end the fields before
// the component (two fields give red only).
std::optional<int> GetColorComponent(std::string_view colorText, bool wantRed, bool wantGreen, bool wantBlue);

}  // namespace brolt::editor
