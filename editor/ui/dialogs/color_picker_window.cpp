#include "editor/ui/dialogs/color_picker_window.h"

#include "editor/model/dialogs/color_picker_geometry.h"
#include "editor/ui/dialogs/color_gradients.h"
#include "editor/ui/main_window/bar_keys.h"
#include "editor/ui/qt/color_text.h"

namespace brolt::editor {
namespace {

constexpr std::array<const char*, 3> kBarNames{"Red", "Green", "Blue"};
constexpr std::array<const char*, 3> kBarFaces{"255,192,192", "192,255,192", "192,192,255"};

}  // namespace

ColorPickerWindow::ColorPickerWindow(Editor& editor, QWidget* parent)
    : DialogFrame(editor, "color_picker", parent), levels_(editor.colorPicker) {
  setFixedSize(340, 230);
  AddTitleBar("Color Picker");
  const Preferences& prefs = editor.prefs;
  AddPanel({8, 36, 172, 150}, prefs.GridDark);
  AddPanel({186, 36, 146, 150}, prefs.GridDark);
  PlaceLabel("Color Sample", {16, 40, 150, 16});

  sample_ = new QLabel(this);
  sample_->setGeometry(16, 58, 156, 30);
  sample_->setToolTip(" Color Preview ");
  for (int i = 0; i < 3; ++i) {
    const int top = 96 + 28 * i;
    HelpLabel* heading = PlaceLabel(kBarNames[i], {16, top, 44, 20}, "color_rgb", false);
    QLabel* value = PlaceLabel("0", {144, top, 28, 20}, "color_rgb", false);
    for (QLabel* label : {static_cast<QLabel*>(heading), value}) {
      PaintFace(label, kBarFaces[i]);
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, Qt::black);
      label->setPalette(palette);
      label->setAlignment(Qt::AlignCenter);
    }
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setRange(0, 255);
    bar->setGeometry(62, top + 1, 80, 18);
    LetKeysMoveBar(*bar);
    bars_[static_cast<std::size_t>(i)] = bar;
    values_[static_cast<std::size_t>(i)] = value;
    connect(bar, &QScrollBar::valueChanged, this, [this, i] { BarChanged(i); });
    // Dragging a thumb by hand leaves the triangle: its marker no longer marks the colour.
    connect(bar, &QScrollBar::sliderMoved, this, [this] { triangle_->HideMarker(); });
  }

  triangle_ = new GradientPicture(this);
  triangle_->setGeometry(QRect(QPoint(195, 46), kTriangleSize));
  triangle_->setToolTip(" Color Triangle ");
  triangle_->SetOutline(ColorTriangleCorners(kTriangleSize), ColorFromText(prefs.GridDark));
  // The two bars stand in the triangle picture's upper right corner, which the triangle leaves black.
  saturationBar_ = new GradientPicture(triangle_);
  saturationBar_->setGeometry(QRect(QPoint(kTriangleSize.width() - kShaderSize.width() - kSaturationSize.width() - 2, 1),
                                    kSaturationSize));
  saturationBar_->setToolTip(" Color Saturator ");
  shader_ = new GradientPicture(triangle_);
  shader_->setGeometry(QRect(QPoint(kTriangleSize.width() - kShaderSize.width() - 1, 1), kShaderSize));
  shader_->setToolTip(" Color Shader ");
  OpenHelpOnRightClick(triangle_, "color_triangle");
  OpenHelpOnRightClick(shader_, "color_shader");
  OpenHelpOnRightClick(saturationBar_, "color_saturation");
  connect(triangle_, &GradientPicture::Picked, this, &ColorPickerWindow::PickOnTriangle);
  connect(shader_, &GradientPicture::Picked, this, &ColorPickerWindow::PickOnShader);
  connect(shader_, &GradientPicture::Released, this, &ColorPickerWindow::ReleaseShader);
  connect(saturationBar_, &GradientPicture::Picked, this, &ColorPickerWindow::PickOnSaturation);

  saturationBar_->ShowLineMarker(SaturationMarkerHeight(levels_.SaturationLevel, kSaturationSize.height()));
  AddButtons("OK", true);
  PlaceButtons(196);
  Repaint();
  BarChanged(0);
}

void ColorPickerWindow::SetBars(int red, int green, int blue) {
  bars_[0]->setValue(red);
  bars_[1]->setValue(green);
  bars_[2]->setValue(blue);
}

std::array<int, 3> ColorPickerWindow::Bars() const { return {bars_[0]->value(), bars_[1]->value(), bars_[2]->value()}; }

QColor ColorPickerWindow::SampleColor() {
  return grab(sample_->geometry()).toImage().pixelColor(sample_->width() / 2, sample_->height() / 2);
}

void ColorPickerWindow::showEvent(QShowEvent* event) {
  // Every showing starts with the triangle unmarked and the shader marker at the top; the shade
  // level stays as it was left.
  triangle_->HideMarker();
  shader_->ShowLineMarker(0);
  DialogFrame::showEvent(event);
}

void ColorPickerWindow::Repaint() {
  const ColorGradients gradients = DrawColorGradients(kTriangleSize, kShaderSize, kSaturationSize, levels_.ShadeLevel,
                                                      levels_.SaturationLevel, ColorFromText(editor_.prefs.BorderColor));
  triangle_->SetPicture(gradients.Triangle);
  shader_->SetPicture(gradients.Shader);
  saturationBar_->SetPicture(gradients.Saturation);
}

void ColorPickerWindow::PickOnTriangle(QPoint position) {
  const PickPoint point = SnapToColorTriangle(position.x(), position.y(), kTriangleSize.width(), kTriangleSize.height());
  triangle_->ShowSquareMarker({point.x, point.y});
  SetBarsToPixel(triangle_->Picture().pixel(point.x, point.y));
}

void ColorPickerWindow::PickOnShader(QPoint position) {
  const PickPoint point = ClampShaderPick(position.x(), position.y(), kShaderSize.width(), kShaderSize.height());
  pick_ = {point.x, point.y};
  shader_->ShowLineMarker(point.y);
  triangle_->HideMarker();
  levels_.ShadeLevel = qRed(shader_->Picture().pixel(pick_));
  Repaint();
}

void ColorPickerWindow::ReleaseShader(Qt::MouseButton button) {
  if (button == Qt::RightButton) return;
  const int grey = qRed(shader_->Picture().pixel(pick_));
  SetBars(grey, grey, grey);
}

void ColorPickerWindow::PickOnSaturation(QPoint position) {
  const PickPoint point =
      ClampSaturationPick(position.x(), position.y(), kSaturationSize.width(), kSaturationSize.height());
  pick_ = {point.x, point.y};
  saturationBar_->ShowLineMarker(point.y);
  levels_.SaturationLevel = SaturationAtHeight(point.y, kSaturationSize.height());
  Repaint();
}

void ColorPickerWindow::SetBarsToPixel(QRgb pixel) { SetBars(qRed(pixel), qGreen(pixel), qBlue(pixel)); }

void ColorPickerWindow::BarChanged(int index) {
  const std::array<int, 3> bars = Bars();
  PaintFace(sample_, std::to_string(bars[0]) + ',' + std::to_string(bars[1]) + ',' + std::to_string(bars[2]));
  values_[static_cast<std::size_t>(index)]->setText(QString::number(bars[static_cast<std::size_t>(index)]));
}

}  // namespace brolt::editor
