#include "editor/ui/main_window/tile_palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "editor/ui/boxes/box_look.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {
namespace {

constexpr const char* kCodeProperty = "tileCode";
constexpr int kRowTopToStripEnd = 36;  // the last row's buttons and a little room below them

// A graphical option button: the tile's picture at its top-left corner, drawn sunken while pressed
// or chosen.
class TilePictureButton : public QAbstractButton {
 public:
  TilePictureButton(int code, const QImage& picture, QWidget* parent) : QAbstractButton(parent), picture_(QPixmap::fromImage(picture)) {
    setCheckable(true);
    setAutoExclusive(true);
    setMouseTracking(true);
    setFixedSize(TilePalette::kButtonSize, TilePalette::kButtonSize);
    setProperty(kCodeProperty, code);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const bool sunken = isChecked() || isDown();
    painter.fillRect(rect(), sunken ? palette().dark() : palette().button());
    painter.drawPixmap(sunken ? QPoint(1, 1) : QPoint(0, 0), picture_);
  }

 private:
  QPixmap picture_;
};

}  // namespace

TilePalette::TilePalette(const TileCatalogue& catalogue, const TilesetPictures& pictures, QWidget* parent)
    : QWidget(parent) {
  int bottom = kMargin;
  for (int n = 0; n < catalogue.PaletteCount; ++n) {
    const int code = catalogue.PaletteOrder[static_cast<std::size_t>(n)];
    const TileDef& tile = catalogue[code];
    auto* button = new TilePictureButton(code, pictures.TileImage(tile, 0), this);
    button->setToolTip(ToQString(" " + tile.Desc + " "));
    const int top = kMargin + (n / kColumns) * (kButtonSize + kMargin);
    button->move(kMargin + (n % kColumns) * kColumnPitch, top);
    button->installEventFilter(this);
    buttons_[code] = button;
    bottom = top + kRowTopToStripEnd;
  }
  // The strip ends just below its last row, so the scroll range follows the catalogue.
  setFixedSize(kMargin + kColumns * kColumnPitch, bottom);
  marker_ = NamedFrame(this, QRect(), "shpToolSelect");
  marker_->hide();
}

void TilePalette::ShowMarker(bool shown, int code) {
  const QAbstractButton* button = TileButton(code);
  shown = shown && button != nullptr;
  marker_->setVisible(shown);
  if (!shown) return;
  marker_->setGeometry(button->geometry());
  marker_->raise();
}

void TilePalette::SetMarkerColour(const QColor& colour) { marker_->SetColour(colour); }

QAbstractButton* TilePalette::TileButton(int code) const {
  const auto found = buttons_.find(code);
  return found == buttons_.end() ? nullptr : found->second;
}

bool TilePalette::eventFilter(QObject* watched, QEvent* event) {
  const QVariant code = watched->property(kCodeProperty);
  if (code.isValid()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        emit TileMouseDown(code.toInt(), static_cast<QMouseEvent*>(event)->button());
        break;
      case QEvent::MouseButtonRelease:
        emit TileMouseUp(code.toInt(), static_cast<QMouseEvent*>(event)->button());
        break;
      case QEvent::MouseMove:
        emit TileMouseMove(code.toInt());
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace brolt::editor
