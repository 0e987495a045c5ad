#pragma once
// The lines by which the game names itself: the version line and the project line of the title
// menu, and the makers of the credits.
#include <string>

namespace brolt {

// The project, where the game names who made it and where it comes from.
inline constexpr const char* kProjectLine = "the Brolt project";
inline constexpr const char* kMakers = "the Brolt team";
// The second level designer of the credits: whoever builds levels of their own.
inline constexpr const char* kGuestDesigners = "and you, with the level editor";

// "Brolt version " with the program's major and minor version, the makers' notice and the year.
std::string VersionLine(int year);

}  // namespace brolt
