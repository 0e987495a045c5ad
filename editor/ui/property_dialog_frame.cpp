#include "editor/ui/property_dialog_frame.h"

#include <QMouseEvent>

#include "editor/ui/color_text.h"
#include "editor/ui/qt_text.h"

namespace brolt::editor {
namespace {

constexpr const char* kRightClickHelpProperty = "rightClickHelp";
constexpr const char* kDialogBackground = "16,16,16";

}  // namespace

PropertyHelpLabel::PropertyHelpLabel(Editor& editor, const QString& text, std::string helpKey, bool lights, QWidget* parent)
    : QLabel(text, parent), editor_(editor), helpKey_(std::move(helpKey)), lights_(lights) {
  setMouseTracking(true);
  SetTextColor(Qt::white);
  if (!helpKey_.empty()) setToolTip(" Right-click here for help ");
}

void PropertyHelpLabel::SetTextColor(const QColor& colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}

void PropertyHelpLabel::Darken() { SetTextColor(Qt::white); }

void PropertyHelpLabel::mouseMoveEvent(QMouseEvent* event) {
  if (!helpKey_.empty() && lights_) SetTextColor(ColorFromText(editor_.prefs.GridLight));
  QLabel::mouseMoveEvent(event);
}

void PropertyHelpLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (!helpKey_.empty()) editor_.ui.dialogs->ShowHelpTopic(helpKey_);
  QLabel::mouseReleaseEvent(event);
}

PropertyDialogFrame::PropertyDialogFrame(Editor& editor, std::string helpKey, QWidget* parent)
    : QDialog(parent), editor_(editor), helpKey_(std::move(helpKey)), fade_(this) {
  setMouseTracking(true);
  PaintFace(this, kDialogBackground);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
  connect(&fade_, &WindowFade::Finished, this, [this] { faded_ = true; });
}

bool PropertyDialogFrame::RunModal() {
  faded_ = false;
  okTag_ = false;
  MakeWindowLayered(this);
  SetWindowAlpha(this, 0);
  exec();
  return okTag_;
}

void PropertyDialogFrame::AddTitleBar(const QString& title) {
  setWindowTitle(title);
  AddPanel({0, 0, width(), 28}, editor_.prefs.BorderColor);
  AddLabel(title, {10, 5, 250, 18}, helpKey_);
}

QFrame* PropertyDialogFrame::AddPanel(const QRect& area, const std::string& colour) {
  auto* panel = new QFrame(this);
  panel->setGeometry(area);
  PaintFace(panel, colour);
  panel->lower();
  return panel;
}

PropertyHelpLabel* PropertyDialogFrame::AddLabel(const QString& text, const QRect& area, std::string helpKey, bool lights) {
  auto* label = new PropertyHelpLabel(editor_, text, std::move(helpKey), lights, this);
  label->setGeometry(area);
  labels_.push_back(label);
  return label;
}

void PropertyDialogFrame::AddButtons(const QString& okCaption, bool withCancel, int top) {
  const int right = width() - 8;
  okButton_ = new QPushButton(okCaption, this);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &PropertyDialogFrame::OkClicked);
  OpenHelpOnRightClick(okButton_, "button_ok");
  int left = right - 75;
  if (withCancel) {
    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setAutoDefault(false);
    cancelButton_->setGeometry(left, top, 75, 24);
    connect(cancelButton_, &QPushButton::clicked, this, &PropertyDialogFrame::CancelClicked);
    OpenHelpOnRightClick(cancelButton_, "button_cancel");
    left -= 81;
  }
  okButton_->setGeometry(left, top, 75, 24);
  helpButton_ = new QPushButton("?", this);
  helpButton_->setAutoDefault(false);
  helpButton_->setToolTip(" Help Index ");
  helpButton_->setGeometry(8, top, 24, 24);
  connect(helpButton_, &QPushButton::clicked, this, [this] { ShowHelp(helpKey_); });
  for (QPushButton* button : {okButton_, cancelButton_}) {
    if (button != nullptr) PaintFace(button, editor_.prefs.BorderColor);
  }
}

void PropertyDialogFrame::OpenHelpOnRightClick(QWidget* widget, std::string helpKey) {
  widget->setProperty(kRightClickHelpProperty, ToQString(helpKey));
  widget->installEventFilter(this);
}

void PropertyDialogFrame::ShowHelp(const std::string& key) const { editor_.ui.dialogs->ShowHelpTopic(key); }

bool PropertyDialogFrame::eventFilter(QObject* watched, QEvent* event) {
  const QVariant key = watched->property(kRightClickHelpProperty);
  if (key.isValid() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (event->type() == QEvent::MouseButtonRelease) ShowHelp(FromQString(key.toString()));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void PropertyDialogFrame::showEvent(QShowEvent* event) {
  editor_.ui.dialogs->HideHelp();
  if (!faded_ && !fade_.IsRunning()) fade_.Start(0, editor_.prefs.FadeInSpeed, 255);
  QDialog::showEvent(event);
}

void PropertyDialogFrame::DarkenLabels() {
  for (PropertyHelpLabel* label : labels_) label->Darken();
}

void PropertyDialogFrame::mouseMoveEvent(QMouseEvent* event) {
  DarkenLabels();
  QDialog::mouseMoveEvent(event);
}

void PropertyDialogFrame::OkClicked() {
  if (!CheckBeforeOk()) return;
  okTag_ = true;
  hide();
  done(QDialog::Accepted);
}

void PropertyDialogFrame::CancelClicked() {
  okTag_ = false;
  reject();
}

}  // namespace brolt::editor
