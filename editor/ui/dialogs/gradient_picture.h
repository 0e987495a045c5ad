#pragma once
// One picture of the colour picker on its black ground: the colour triangle, the shader bar or the
// saturation bar, with its marker. Reports the left button's presses and drags and every release.
#include <QImage>
#include <QPolygon>
#include <QWidget>
#include <optional>

namespace brolt::editor {

class GradientPicture : public QWidget {
  Q_OBJECT

 public:
  explicit GradientPicture(QWidget* parent);

  void SetPicture(const QImage& picture);
  // Lines drawn over the picture, not part of it: a pixel read never sees them.
  void SetOutline(const QPolygon& outline, const QColor& colour);
  const QImage& Picture() const { return picture_; }
  // A small square centred on the point, or a horizontal line across the picture at a height.
  void ShowSquareMarker(QPoint centre);
  void ShowLineMarker(int y);
  void HideMarker();
  bool MarkerShown() const { return marker_.has_value(); }
  QPoint MarkerPoint() const { return marker_.value_or(QPoint()); }

 signals:
  void Picked(QPoint position);
  void Released(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Marker { Square, Line };
  QImage picture_;
  QPolygon outline_;
  QColor outlineColour_;
  std::optional<QPoint> marker_;
  Marker markerKind_ = Marker::Square;
};

}  // namespace brolt::editor
