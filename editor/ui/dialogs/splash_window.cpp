#include "editor/ui/dialogs/splash_window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSysInfo>

#include "common/numeric.h"
#include "editor/model/dialogs/about_text.h"
#include "editor/ui/qt/color_text.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {
namespace {

const QColor kFrameGrey(192, 192, 192);
const QColor kLabelGrey(224, 224, 224);
constexpr QRect kOuterFrame(1, 1, 475, 266);
constexpr QRect kProgressFrame(14, 217, 444, 8);
constexpr int kProgressLeft = 16;
constexpr int kProgressTop = 221;
constexpr int kProgressHeight = 1;

// The places are designed for Tahoma; where the font in use draws a text larger, the label grows
// down and away from the side its text is aligned to, instead of cutting it off, so that a
// right-aligned text still ends where it was designed to.
void FitToText(QLabel& label) {
  const QSize needed = label.wordWrap() ? QSize(label.width(), label.heightForWidth(label.width())) : label.sizeHint();
  QRect area = label.geometry();
  const QSize grown = area.size().expandedTo(needed);
  if (label.alignment() & Qt::AlignRight) {
    area.setLeft(area.right() + 1 - grown.width());
  } else {
    area.setWidth(grown.width());
  }
  area.setHeight(grown.height());
  label.setGeometry(area);
}

}  // namespace

SplashWindow::SplashWindow(Editor& editor, std::function<bool()> mainWindowVisible, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      editor_(editor),
      mainWindowVisible_(std::move(mainWindowVisible)),
      background_((editor.AppPath / "Graphics" / "Splash.jpg").string().c_str()),
      fade_(this) {
  setFixedSize(kSize);
  setMouseTracking(true);
  QFont font("Tahoma");
  font.setPixelSize(11);
  setFont(font);

  loading_ = AddLabel("Loading editor...", {22, 199, 300, 16}, Qt::AlignLeft, Qt::white);
  about_ = AddLabel(kAboutDesignText, {24, 168, 257, 73}, Qt::AlignLeft | Qt::AlignTop, Qt::white);
  about_->setWordWrap(true);
  about_->setToolTip(" The editor's help topics are in the Help menu ");
  about_->hide();
  platform_ = AddLabel(PlatformName(), {336, 172, 119, 16}, Qt::AlignRight, kLabelGrey);
  version_ = AddLabel(QString("Version ") + BROLT_VERSION, {406, 190, 49, 16}, Qt::AlignRight, kLabelGrey);
  web_ = AddLabel("Brolt Editor: build, play and share your own levels", {0, 232, 478, 19}, Qt::AlignHCenter,
                  kLabelGrey);
  AddLabel("This program comes without warranty of any kind.", {6, 252, 329, 13}, Qt::AlignLeft, kFrameGrey);
  copyright_ = AddLabel("The Brolt project", {344, 252, 126, 11}, Qt::AlignRight, kLabelGrey);

  SetPointer();
  MakeWindowLayered(this);
  SetWindowAlpha(this, 0);
}

QString SplashWindow::PlatformName() {
  const QString kernel = QSysInfo::kernelType();
  if (kernel == "linux") return "Linux";
  if (kernel == "winnt") return "Windows";
  if (kernel == "darwin") return "macOS";
  if (kernel == "freebsd") return "FreeBSD";
  return QSysInfo::productType();
}

QLabel* SplashWindow::AddLabel(const QString& text, const QRect& area, Qt::Alignment alignment, const QColor& colour) {
  auto* label = new QLabel(text, this);
  label->setGeometry(area);
  label->setAlignment(alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->installEventFilter(this);
  FitToText(*label);
  labels_.push_back(label);
  return label;
}

void SplashWindow::UpdateSplashProgress() {
  if (steps_ < kProgressSteps) ++steps_;  // a bar that outgrew its frame would cover the labels
  update();
}

int SplashWindow::ProgressWidth() const { return RoundToInt32(static_cast<double>(kFullBarWidth) / kProgressSteps * steps_); }

void SplashWindow::SetLoadingText(const QString& text) {
  loading_->setText(text);
  FitToText(*loading_);
}

void SplashWindow::MakeAboutBox() {
  aboutBox_ = true;
  web_->hide();
  loading_->hide();
  about_->setText(ToQString(ReadAboutText(editor_.DefineDb.get())));
  FitToText(*about_);
  about_->show();
  update();
}

void SplashWindow::HideSplash() {
  if (mainWindowVisible_()) close();
}

void SplashWindow::SetPointer() { setCursor(mainWindowVisible_() ? Qt::ArrowCursor : Qt::WaitCursor); }

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(24, 28, 40));
  } else {
    painter.drawImage(rect(), background_);
  }
  painter.setPen(aboutBox_ ? ColorFromText(editor_.prefs.BorderColor) : kFrameGrey);
  painter.drawRect(kOuterFrame.adjusted(0, 0, -1, -1));
  if (aboutBox_) return;
  painter.setPen(kFrameGrey);
  painter.drawRect(kProgressFrame.adjusted(0, 0, -1, -1));
  painter.fillRect(kProgressLeft, kProgressTop, ProgressWidth(), kProgressHeight, kLabelGrey);
}

void SplashWindow::showEvent(QShowEvent* event) {
  editor_.ui.dialogs->HideHelp();
  fade_.Start(kFirstAlpha, kAlphaStep, kFinalAlpha);
  QDialog::showEvent(event);
}

void SplashWindow::mousePressEvent(QMouseEvent*) { HideSplash(); }

void SplashWindow::mouseMoveEvent(QMouseEvent*) { SetPointer(); }

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    HideSplash();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace brolt::editor
