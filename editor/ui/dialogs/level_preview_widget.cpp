#include "editor/ui/dialogs/level_preview_widget.h"

#include <QLabel>
#include <QPainter>

#include "editor/model/canvas/minimap_palette.h"
#include "editor/ui/qt/qt_colors.h"

namespace brolt::editor {

LevelPreviewWidget::LevelPreviewWidget(int side, QWidget* parent)
    : QWidget(parent), noData_(new QLabel("No Data", this)) {
  setFixedSize(side, side);
  noData_->setObjectName("txtPreviewNo");
  noData_->setAlignment(Qt::AlignCenter);
  noData_->setStyleSheet("color: lightgray");
  noData_->setGeometry(0, 0, side, side);
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
  if (!preview_.HasData) return;
  // The 50 x 50 cells fill the square; each dot is a whole number of pixels.
  const double step = static_cast<double>(width()) / kLevelColumns;
  const int dot = static_cast<int>(step + 0.5);
  for (int row = 0; row < kLevelRows; ++row)
    for (int column = 0; column < kLevelColumns; ++column) {
      const int mini = preview_.Colours[static_cast<std::size_t>(row * kLevelColumns + column)];
      if (mini >= 0) painter.fillRect(QRectF(column * step, row * step, dot, dot), ColorFromRgb(MiniPaletteColour(mini)));
    }
}

}  // namespace brolt::editor
