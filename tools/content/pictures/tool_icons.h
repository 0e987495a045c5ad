#pragma once
// The editor's tool bar and tool panel pictures: small flat icons drawn once, one PNG each, named
// as the editor looks them up in Graphics/Icons.
#include <vector>

#include "tools/content/sounds/sound_effects.h"

namespace brolt::content {

constexpr int kToolIconSize = 20;

std::vector<NamedFile> DrawToolIcons();

}  // namespace brolt::content
