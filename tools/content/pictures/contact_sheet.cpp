#include "tools/content/pictures/contact_sheet.h"

#include <QPainter>

#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {

namespace {
constexpr int kTitleHeight = 22;

bool IsFrameSheet(const GamePicture& picture) {
  return picture.textureId != 8 && picture.textureId != 17 && (picture.textureId < 11 || picture.textureId > 14);
}
}  // namespace

QImage ContactPanel(const GamePicture& picture, int scale) {
  QImage source = picture.picture.convertToFormat(QImage::Format_RGB888).scaled(kSheetSize, kSheetSize);
  int side = kSheetSize * scale;
  QImage panel(side, side + kTitleHeight, QImage::Format_RGB32);
  panel.fill(QColor(40, 40, 48));
  QPainter painter(&panel);
  painter.setPen(Qt::white);
  painter.drawText(QRect(4, 0, side, kTitleHeight), Qt::AlignVCenter,
                   QString("%1  %2").arg(picture.textureId).arg(QString::fromStdString(picture.fileName)));
  for (int y = 0; y < kSheetSize; ++y) {
    for (int x = 0; x < kSheetSize; ++x) {
      QColor c = source.pixelColor(x, y);
      bool transparent = c.red() == 0 && c.green() == 0 && c.blue() == 0;
      if (transparent) c = ((x / 4 + y / 4) % 2) ? QColor(96, 96, 104) : QColor(120, 120, 128);
      painter.fillRect(x * scale, kTitleHeight + y * scale, scale, scale, c);
    }
  }
  if (IsFrameSheet(picture)) {
    int frame = kFrameSize * scale;
    painter.setPen(QColor(255, 255, 255, 70));
    for (int i = 1; i < kFramesPerSide; ++i) {
      painter.drawLine(i * frame, kTitleHeight, i * frame, kTitleHeight + side);
      painter.drawLine(0, kTitleHeight + i * frame, side, kTitleHeight + i * frame);
    }
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 120));
    for (int row = 1; row <= kFramesPerSide; ++row) {
      for (int column = 1; column <= kFramesPerSide; ++column) {
        painter.drawText((column - 1) * frame + 2, kTitleHeight + (row - 1) * frame + 9,
                         QString("%1,%2").arg(column).arg(row));
      }
    }
  }
  return panel;
}

QImage TitleAsShown(const std::vector<GamePicture>& pictures) {
  QImage title(640, 480, QImage::Format_RGB32);
  title.fill(Qt::black);
  QPainter painter(&title);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (const GamePicture& picture : pictures) {
    if (picture.textureId < 11 || picture.textureId > 14) continue;
    int quarter = picture.textureId - 11;
    painter.drawImage(QRectF((quarter % 2) * 320, (quarter / 2) * 240, 320, 240), picture.picture);
  }
  return title;
}

QImage ContactSheet(const std::vector<GamePicture>& pictures) {
  constexpr int kScale = 2, kColumns = 4, kGap = 8;
  int panelWidth = kSheetSize * kScale, panelHeight = panelWidth + kTitleHeight;
  int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * (panelWidth + kGap) + kGap, rows * (panelHeight + kGap) + kGap, QImage::Format_RGB32);
  sheet.fill(QColor(20, 20, 24));
  QPainter painter(&sheet);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    int column = static_cast<int>(i) % kColumns, row = static_cast<int>(i) / kColumns;
    painter.drawImage(kGap + column * (panelWidth + kGap), kGap + row * (panelHeight + kGap),
                      ContactPanel(pictures[i], kScale));
  }
  return sheet;
}

}  // namespace brolt::content
