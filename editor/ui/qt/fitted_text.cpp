#include "editor/ui/qt/fitted_text.h"

#include <QEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace brolt::editor {
namespace {

// The style draws the entry a pixel in from each side of the edit field.
constexpr int kLabelInset = 2;

QString FitText(const QFontMetrics& metrics, const QString& text, int width) {
  return metrics.elidedText(text, Qt::ElideRight, width);
}

QString TipFor(const QString& whole, const QString& shown) { return shown == whole ? QString() : whole; }

}  // namespace

void ShowFittedText(QLabel& label, const QString& text) {
  const QString shown = FitText(label.fontMetrics(), text, label.contentsRect().width());
  label.setText(shown);
  label.setToolTip(TipFor(text, shown));
}

QString FittedComboBox::ShownText() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  return FitText(fontMetrics(), currentText(), field.width() - kLabelInset);
}

bool FittedComboBox::event(QEvent* event) {
  // The entry changes quietly as the dialogs refill the box, so the tip is made when it is asked for.
  if (event->type() == QEvent::ToolTip) setToolTip(TipFor(currentText(), ShownText()));
  return QComboBox::event(event);
}

void FittedComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.currentText = ShownText();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace brolt::editor
