#include "editor/ui/dialogs/gradient_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace brolt::editor {
namespace {
constexpr int kSquareMarkerSize = 6;
constexpr int kLineMarkerLength = 80;
}  // namespace

GradientPicture::GradientPicture(QWidget* parent) : QWidget(parent) {}

void GradientPicture::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void GradientPicture::SetOutline(const QPolygon& outline, const QColor& colour) {
  outline_ = outline;
  outlineColour_ = colour;
  update();
}

void GradientPicture::ShowSquareMarker(QPoint centre) {
  marker_ = centre;
  markerKind_ = Marker::Square;
  update();
}

void GradientPicture::ShowLineMarker(int y) {
  marker_ = QPoint(0, y);
  markerKind_ = Marker::Line;
  update();
}

void GradientPicture::HideMarker() {
  marker_.reset();
  update();
}

void GradientPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawImage(0, 0, picture_);
  if (!outline_.isEmpty()) {
    painter.setPen(outlineColour_);
    painter.drawPolygon(outline_);
  }
  if (!marker_) return;
  painter.setPen(Qt::white);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  if (markerKind_ == Marker::Square) {
    painter.drawRect(marker_->x() - kSquareMarkerSize / 2, marker_->y() - kSquareMarkerSize / 2,
                     kSquareMarkerSize - 1, kSquareMarkerSize - 1);
  } else {
    painter.drawLine(0, marker_->y(), kLineMarkerLength, marker_->y());
  }
}

void GradientPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Picked(event->position().toPoint());
}

void GradientPicture::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) emit Picked(event->position().toPoint());
}

void GradientPicture::mouseReleaseEvent(QMouseEvent* event) { emit Released(event->button()); }

}  // namespace brolt::editor
