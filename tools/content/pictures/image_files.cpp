#include "tools/content/pictures/image_files.h"

#include <QBuffer>
#include <QImageWriter>
#include <stdexcept>

namespace brolt::content {

namespace {
std::string Encode(const QImage& image, const char* format, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  if (!writer.write(image)) {
    throw std::runtime_error(std::string("can't encode a ") + format + " picture: " + writer.errorString().toStdString());
  }
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}
}  // namespace

std::string EncodeBmp(const QImage& image) { return Encode(image.convertToFormat(QImage::Format_RGB888), "BMP", -1); }
std::string EncodeJpeg(const QImage& image, int quality) {
  return Encode(image.convertToFormat(QImage::Format_RGB888), "JPEG", quality);
}
std::string EncodePng(const QImage& image) { return Encode(image, "PNG", -1); }

}  // namespace brolt::content
