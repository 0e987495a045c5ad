#pragma once
// Pictures as file bytes.
#include <QImage>
#include <string>

namespace brolt::content {

// A 24-bit uncompressed bitmap.
std::string EncodeBmp(const QImage& image);
std::string EncodeJpeg(const QImage& image, int quality);
std::string EncodePng(const QImage& image);

}  // namespace brolt::content
