#pragma once
// How long a step may take on a loaded machine before a test calls it a fault: a window coming up,
// a program on the X server answering.

namespace brolt::testing {

// In seconds.
constexpr int kDesktopPatience = 60;

}  // namespace brolt::testing
