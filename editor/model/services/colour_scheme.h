#pragma once
// Colours as the preferences and levels hold them: ColorText, three components 0..255 joined by
// commas ("255,0,128"), and the random window and grid scheme drawn at start-up.
#include <cstdint>
#include <optional>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// One component of a colour text: red when wantRed, else green when wantGreen, else blue when
// wantBlue; nothing when no flag is set or the text lacks that field (red needs one comma, green and
// blue two). Each field is read by its leading number and held to 0..255, so "078" and " 78" are 78.
std::optional<int> GetColorComponent(std::string_view text, bool wantRed, bool wantGreen, bool wantBlue);

// A colour text as 0xBBGGRR, from its three components; a missing component counts 0.
std::int32_t ColorTextToRgbValue(std::string_view text);

// Draws a light border colour with its strongest component at 255 (unless two tie for strongest)
// and derives the grid colours from it: GridLight 75 darker per component, GridDark 155 darker,
// neither below 0. Reddish colours keep green at least 30 above blue; bluish ones keep red at most
// 150. Uses the editor's one random source.
void RandomBorderColor(Editor& editor);

}  // namespace brolt::editor
