#pragma once
// The windows are laid out for Tahoma at 8 points; every widget takes that font from the
// application unless it chooses its own.
namespace brolt::editor {

// Makes Tahoma 8 the application's font. Where Tahoma is not installed a face of nearly its widths
// stands in, so that texts sized for the designed controls are shown whole. Call once, after the
// QApplication exists and before the first widget.
void UseDesignFont();

}  // namespace brolt::editor
