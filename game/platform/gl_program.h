#pragma once
// The one shader program of the quad renderer: texel colour times vertex colour, texel alpha.
#include <string>

namespace brolt {

// Vertex attribute locations of the program.
constexpr unsigned kPositionAttribute = 0;
constexpr unsigned kColourAttribute = 1;
constexpr unsigned kTexCoordAttribute = 2;

// The linked program, or 0 with the compiler's or linker's message in `error`.
unsigned BuildQuadProgram(std::string& error);

}  // namespace brolt
