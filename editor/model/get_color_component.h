#pragma once
// One component of a ColorText such as "0,128,255": red, green or blue by the first flag set.
#include <string_view>

namespace brolt::editor {

int GetColorComponent(std::string_view colorText, bool wantRed, bool wantGreen, bool wantBlue);

}  // namespace brolt::editor
