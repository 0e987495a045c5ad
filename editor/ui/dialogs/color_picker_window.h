#pragma once
// The colour picker: one colour chosen with the red, green and blue bars, the colour triangle, the
// shader bar (a grey level) and the saturation bar (how pale the triangle is). Every colour taken
// from a picture is the painted pixel under the pointer.
#include <QLabel>
#include <QScrollBar>
#include <array>

#include "editor/model/commands/color_chooser.h"
#include "editor/model/dialogs/color_picker_state.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/dialogs/gradient_picture.h"

namespace brolt::editor {

class ColorPickerWindow : public DialogFrame, public ColorPicker {
 public:
  static constexpr QSize kTriangleSize{128, 127};
  static constexpr QSize kShaderSize{15, 39};
  static constexpr QSize kSaturationSize{14, 39};

  ColorPickerWindow(Editor& editor, QWidget* parent);

  void SetBars(int red, int green, int blue) override;
  bool RunPicker() override { return RunModal(); }
  std::array<int, 3> Bars() const override;

  int ShadeLevel() const { return levels_.ShadeLevel; }
  int SaturationLevel() const { return levels_.SaturationLevel; }
  GradientPicture* Triangle() const { return triangle_; }
  GradientPicture* Shader() const { return shader_; }
  GradientPicture* SaturationBar() const { return saturationBar_; }
  QScrollBar* Bar(int index) const { return bars_[static_cast<std::size_t>(index)]; }
  QLabel* ValueLabel(int index) const { return values_[static_cast<std::size_t>(index)]; }
  // The colour the window shows in the middle of the sample.
  QColor SampleColor();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Repaint();
  void PickOnTriangle(QPoint position);
  void PickOnShader(QPoint position);
  void ReleaseShader(Qt::MouseButton button);
  void PickOnSaturation(QPoint position);
  void SetBarsToPixel(QRgb pixel);
  void BarChanged(int index);

  ColorPickerState& levels_;  // kept in the editor from one use to the next
  QPoint pick_;  // the last position taken on the shader or the saturation bar
  GradientPicture* triangle_;
  GradientPicture* shader_;
  GradientPicture* saturationBar_;
  QLabel* sample_;
  std::array<QScrollBar*, 3> bars_{};
  std::array<QLabel*, 3> values_{};
};

}  // namespace brolt::editor
