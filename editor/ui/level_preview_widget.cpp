#include "editor/ui/level_preview_widget.h"

#include <QLabel>
#include <QPainter>

#include "editor/model/minimap_palette.h"
#include "editor/ui/qt_colors.h"

namespace brolt::editor {

namespace {
constexpr int kSide = 159;
constexpr double kCellPixels = 3.18;
}  // namespace

LevelPreviewWidget::LevelPreviewWidget(QWidget* parent) : QWidget(parent), noData_(new QLabel("No Data", this)) {
  setFixedSize(kSide, kSide);
  noData_->setObjectName("txtPreviewNo");
  noData_->setAlignment(Qt::AlignCenter);
  noData_->setGeometry(0, 0, kSide, kSide);
  preview_.Colours.fill(-1);
}

void LevelPreviewWidget::ShowPreview(const LevelPreview& preview) {
  preview_ = preview;
  noData_->setVisible(!preview.HasData);
  update();
}

bool LevelPreviewWidget::NoDataShown() const { return !noData_->isHidden(); }

void LevelPreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const int dot = static_cast<int>(kCellPixels + 0.5);
  for (int row = 0; row < kLevelRows; ++row)
    for (int column = 0; column < kLevelColumns; ++column) {
      const int mini = preview_.Colours[static_cast<std::size_t>(row * kLevelColumns + column)];
      if (mini < 0) continue;
      painter.fillRect(QRectF(column * kCellPixels, row * kCellPixels, dot, dot), ColorFromRgb(MiniPaletteColour(mini)));
    }
}

}  // namespace brolt::editor
