#include "editor/ui/dialog_frame.h"

#include <QMouseEvent>
#include <algorithm>

#include "editor/model/level_conversion.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {

namespace {
constexpr int kFadeIntervalMs = 10;
const QColor kLabelColour = Qt::white;

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Button, colour);
  palette.setColor(QPalette::Base, colour);
  for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(text, kLabelColour);
  widget->setAutoFillBackground(true);
  widget->setPalette(palette);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}
}  // namespace

QColor PreferenceColour(const std::string& colorText) {
  const RgbColour rgb = ColorTextToRgb(colorText);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

HelpLabel::HelpLabel(Editor& editor, const QString& text, std::string helpKey, QWidget* parent)
    : QLabel(text, parent), editor_(editor), helpKey_(std::move(helpKey)) {
  setMouseTracking(true);
  SetTextColour(this, kLabelColour);
  if (!helpKey_.empty()) setToolTip(" Right-click here for help ");
}

void HelpLabel::SetLit(bool lit) {
  SetTextColour(this, lit && !helpKey_.empty() ? PreferenceColour(editor_.prefs.GridLight) : kLabelColour);
}

void HelpLabel::mouseMoveEvent(QMouseEvent* event) {
  SetLit(true);
  QLabel::mouseMoveEvent(event);
}

void HelpLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (!helpKey_.empty()) editor_.ui.dialogs->ShowHelpTopic(helpKey_);
  QLabel::mouseReleaseEvent(event);
}

FrameButton::FrameButton(Editor& editor, const QString& text, std::string helpKey, QWidget* parent)
    : QPushButton(text, parent), editor_(editor), helpKey_(std::move(helpKey)) {}

void FrameButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return;
  QPushButton::mousePressEvent(event);
}

void FrameButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    editor_.ui.dialogs->ShowHelpTopic(helpKey_);
    return;
  }
  QPushButton::mouseReleaseEvent(event);
}

DialogFrame::DialogFrame(Editor& editor, const QString& title, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      okButton_(new FrameButton(editor, "OK", "button_ok", this)),
      cancelButton_(new FrameButton(editor, "Cancel", "button_cancel", this)) {
  setWindowTitle(title);
  setMouseTracking(true);
  okButton_->setDefault(true);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  fade_.setInterval(kFadeIntervalMs);
  connect(&fade_, &QTimer::timeout, this, &DialogFrame::FadeTick);
}

int DialogFrame::FadeStep() const { return std::max<int>(1, editor_.prefs.FadeInSpeed); }

HelpLabel* DialogFrame::AddLabel(const QString& text, const std::string& helpKey) {
  auto* label = new HelpLabel(editor_, text, helpKey, this);
  labels_.push_back(label);
  return label;
}

void DialogFrame::Skin(QWidget* panel, const std::vector<QWidget*>& dark, const std::vector<QWidget*>& light) {
  SetBackground(panel, PreferenceColour(editor_.prefs.BorderColor));
  SetBackground(okButton_, PreferenceColour(editor_.prefs.BorderColor));
  SetBackground(cancelButton_, PreferenceColour(editor_.prefs.BorderColor));
  for (QWidget* widget : dark) SetBackground(widget, PreferenceColour(editor_.prefs.GridDark));
  for (QWidget* widget : light) SetBackground(widget, PreferenceColour(editor_.prefs.GridLight));
}

void DialogFrame::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  editor_.ui.dialogs->HideHelp();
  alpha_ = 0;
  fadedIn_ = false;
  setWindowOpacity(0.0);
  fade_.start();
}

void DialogFrame::FadeTick() {
  alpha_ = std::min(255, alpha_ + FadeStep());
  setWindowOpacity(alpha_ / 255.0);
  if (alpha_ < 255) return;
  fade_.stop();
  fadedIn_ = true;
}

void DialogFrame::mouseMoveEvent(QMouseEvent* event) {
  for (HelpLabel* label : labels_) label->SetLit(false);
  QDialog::mouseMoveEvent(event);
}

}  // namespace brolt::editor
