#pragma once
// A contact sheet of the game's pictures for people to look at: every texture enlarged, its
// transparent black shown as a grey check, its frames outlined and labelled column,row.
#include <QImage>
#include <vector>

#include "tools/content/pictures/textures.h"

namespace brolt::content {

// One texture's panel, enlarged `scale` times.
QImage ContactPanel(const GamePicture& picture, int scale);

// The title picture put together from its four quarters as the game shows them (640 x 480).
QImage TitleAsShown(const std::vector<GamePicture>& pictures);

// All textures' panels, four to a row.
QImage ContactSheet(const std::vector<GamePicture>& pictures);

}  // namespace brolt::content
