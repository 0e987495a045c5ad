#include "editor/ui/qt/color_text.h"

#include <QPalette>

#include "editor/ui/qt/qt_colors.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {
namespace {

// Dark faces get white captions, light ones black, by the colour's perceived lightness.
QColor CaptionOn(const QColor& face) { return qGray(face.rgb()) < 128 ? Qt::white : Qt::black; }

}  // namespace

void PaintFace(QWidget* widget, std::string_view colour) {
  QPalette palette = widget->palette();
  const QColor face = ColorFromText(colour);
  palette.setColor(QPalette::Window, face);
  palette.setColor(QPalette::Button, face);
  palette.setColor(QPalette::ButtonText, CaptionOn(face));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
  setFlat(false);
}

void ColorButton::SetColorText(const std::string& colour) {
  colour_ = colour;
  setText(ToQString(colour));
  const QColor face = ColorFromText(colour);
  setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 1px solid #808080; }"
                        "QPushButton:disabled { color: %3; }")
                    .arg(face.name(), CaptionOn(face).name(), CaptionOn(face) == Qt::white ? "#a0a0a0" : "#606060"));
}

}  // namespace brolt::editor
