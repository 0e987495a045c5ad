#pragma once
// A short wait during which the window events still run, so that a window shown just before it
// can paint. Measured on a monotonic clock: a change of the wall clock neither ends nor prolongs it.
namespace brolt::editor {

void Pause(double seconds);

}  // namespace brolt::editor
