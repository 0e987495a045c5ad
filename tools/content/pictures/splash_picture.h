#pragma once
// The background of the editor's splash and about window: a dark field of level cells under a
// lit band, the size of the window, leaving the lower band quiet for the loading line and labels.
#include <QImage>

namespace brolt::content {

constexpr int kSplashWidth = 476;
constexpr int kSplashHeight = 267;

QImage DrawSplashPicture();

}  // namespace brolt::content
