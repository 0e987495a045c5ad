#include "editor/ui/dialogs/dialog_frame.h"

#include <QMouseEvent>

#include "editor/ui/qt/color_text.h"
#include "editor/ui/qt/keyboard_return.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {
namespace {

constexpr const char* kRightClickHelpProperty = "rightClickHelp";
constexpr const char* kDialogBackground = "16,16,16";
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 6;
constexpr int kMargin = 8;
constexpr int kFrameWidth = 4;

// The help topic a right click on this object opens: its own or the nearest one around it.
QVariant RightClickHelpOf(QObject* object) {
  for (; object != nullptr; object = object->parent())
    if (const QVariant key = object->property(kRightClickHelpProperty); key.isValid()) return key;
  return {};
}

// A skinned control shows its text on its colour in white or black, whichever reads, lists and
// boxes included.
void PaintControl(QWidget* widget, std::string_view colour) {
  PaintFace(widget, colour);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text})
    palette.setColor(text, palette.color(QPalette::ButtonText));
  widget->setPalette(palette);
}

bool IsRightButton(QEvent* event) {
  return (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
         static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
}

}  // namespace

HelpLabel::HelpLabel(Editor& editor, const QString& text, std::string helpKey, bool lights, QWidget* parent)
    : QLabel(text, parent), editor_(editor), helpKey_(std::move(helpKey)), lights_(lights) {
  setMouseTracking(true);
  SetTextColor(Qt::white);
  if (!helpKey_.empty()) setToolTip(" Right-click here for help ");
}

void HelpLabel::SetTextColor(const QColor& colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}

void HelpLabel::Darken() { SetTextColor(Qt::white); }

void HelpLabel::mouseMoveEvent(QMouseEvent* event) {
  if (!helpKey_.empty() && lights_) SetTextColor(ColorFromText(editor_.prefs.GridLight));
  QLabel::mouseMoveEvent(event);
  // The move stays the label's: passed on to the dialog under it, it would darken every label again.
  event->accept();
}

void HelpLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (!helpKey_.empty()) editor_.ui.dialogs->ShowHelpTopic(helpKey_);
  QLabel::mouseReleaseEvent(event);
}

DialogFrame::DialogFrame(Editor& editor, std::string helpKey, QWidget* parent)
    : QDialog(parent), editor_(editor), helpKey_(std::move(helpKey)), fade_(this) {
  setMouseTracking(true);
  PaintBackground(kDialogBackground);
  connect(&fade_, &WindowFade::Finished, this, [this] { fadedIn_ = true; });
}

bool DialogFrame::RunModal() {
  const KeyboardReturn keyboard;
  return exec() == QDialog::Accepted;
}

void DialogFrame::accept() {
  if (CheckBeforeOk()) QDialog::accept();
}

void DialogFrame::AddTitleBar(const QString& title) {
  setWindowTitle(title);
  AddPanel({0, 0, width(), 28}, editor_.prefs.BorderColor);
  PlaceLabel(title, {10, 5, 250, 18}, helpKey_);
}

QFrame* DialogFrame::AddPanel(const QRect& area, const std::string& colour) {
  auto* panel = new QFrame(this);
  panel->setGeometry(area);
  PaintFace(panel, colour);
  panel->lower();
  return panel;
}

void DialogFrame::AddFramedPanels(const std::vector<QRect>& panels) {
  QRect frame;
  for (const QRect& panel : panels) {
    AddPanel(panel, editor_.prefs.GridDark);
    frame |= panel;
  }
  // Added last, so lowest: it shows only where the panels leave it free.
  AddPanel(frame.adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth), editor_.prefs.BorderColor);
}

HelpLabel* DialogFrame::AddLabel(const QString& text, std::string helpKey, bool lights) {
  auto* label = new HelpLabel(editor_, text, std::move(helpKey), lights, this);
  labels_.push_back(label);
  return label;
}

HelpLabel* DialogFrame::PlaceLabel(const QString& text, const QRect& area, std::string helpKey, bool lights) {
  HelpLabel* label = AddLabel(text, std::move(helpKey), lights);
  label->setGeometry(area);
  return label;
}

HelpLabel* DialogFrame::PlaceHeading(const QString& text, const QRect& area) {
  HelpLabel* label = PlaceLabel(text, area);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

void DialogFrame::AddButtons(const QString& okCaption, bool withCancel) {
  okButton_ = new QPushButton(okCaption, this);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &DialogFrame::accept);
  OpenHelpOnRightClick(okButton_, "button_ok");
  PaintFace(okButton_, editor_.prefs.BorderColor);
  if (withCancel) {
    cancelButton_ = new QPushButton("Cancel", this);
    connect(cancelButton_, &QPushButton::clicked, this, &DialogFrame::reject);
    OpenHelpOnRightClick(cancelButton_, "button_cancel");
    PaintFace(cancelButton_, editor_.prefs.BorderColor);
  }
  if (helpKey_.empty()) return;
  helpButton_ = new QPushButton("?", this);
  helpButton_->setToolTip(" Help Index ");
  helpButton_->setFixedSize(kButtonHeight, kButtonHeight);
  connect(helpButton_, &QPushButton::clicked, this, [this] { ShowHelp(helpKey_); });
}

void DialogFrame::PlaceButtons(int top) {
  int left = width() - kMargin;
  for (QPushButton* button : {cancelButton_, okButton_}) {
    if (button == nullptr) continue;
    left -= kButtonWidth;
    button->setGeometry(left, top, kButtonWidth, kButtonHeight);
    left -= kButtonGap;
  }
  if (helpButton_ != nullptr) helpButton_->move(kMargin, top);
}

void DialogFrame::PaintBackground(const std::string& colour) {
  PaintFace(this, colour);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
}

void DialogFrame::Skin(const std::vector<QWidget*>& dark, const std::vector<QWidget*>& light) {
  for (QWidget* widget : dark) PaintControl(widget, editor_.prefs.GridDark);
  for (QWidget* widget : light) PaintControl(widget, editor_.prefs.GridLight);
}

void DialogFrame::OpenHelpOnRightClick(QWidget* widget, std::string helpKey) {
  widget->setProperty(kRightClickHelpProperty, ToQString(helpKey));
  widget->installEventFilter(this);
  for (QWidget* inner : widget->findChildren<QWidget*>()) inner->installEventFilter(this);
}

void DialogFrame::ChainFocus(const std::vector<QWidget*>& order) {
  for (std::size_t n = 1; n < order.size(); ++n) QWidget::setTabOrder(order[n - 1], order[n]);
}

void DialogFrame::ShowHelp(const std::string& key) const { editor_.ui.dialogs->ShowHelpTopic(key); }

bool DialogFrame::eventFilter(QObject* watched, QEvent* event) {
  if (IsRightButton(event)) {
    const QVariant key = RightClickHelpOf(watched);
    if (key.isValid()) {
      if (event->type() == QEvent::MouseButtonRelease) ShowHelp(FromQString(key.toString()));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DialogFrame::showEvent(QShowEvent* event) {
  editor_.ui.dialogs->HideHelp();
  // A command's showing fades in from transparent; the window coming back from the task bar does not.
  if (!event->spontaneous()) {
    fadedIn_ = false;
    fade_.Start(0, editor_.prefs.FadeInSpeed, 255);
  }
  QDialog::showEvent(event);
}

void DialogFrame::DarkenLabels() {
  for (HelpLabel* label : labels_) label->Darken();
}

void DialogFrame::mouseMoveEvent(QMouseEvent* event) {
  DarkenLabels();
  QDialog::mouseMoveEvent(event);
}

}  // namespace brolt::editor
