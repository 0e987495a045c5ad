#include "editor/ui/boxes/message_box_window.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "editor/model/editor.h"
#include "editor/model/services/message_box.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/qt/keyboard_return.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

constexpr int kIconPixels = 32;

QRect MessagePlace(bool withIcon) {
  const QRect place = TwipsRect(360, 360, 3735, 1575);
  return withIcon ? place.adjusted(kIconPixels + 8, 0, 0, 0) : place;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  PrepareBoxWindow(this, 4440, 2880);
  const BoxColours colours = ColoursOf(editor.prefs);
  new FrameShape(this, TwipsRect(120, 120, 4215, 2655), colours.border, 2);
  new FrameShape(this, TwipsRect(240, 2040, 3960, 600), colours.gridDark, 1);
  txtLabel_ = MakeBoxLabel(this, MessagePlace(false));
  imgIcon_ = new QLabel(this);
  imgIcon_->setGeometry(QRect(MessagePlace(false).topLeft(), QSize(kIconPixels, kIconPixels)));
  imgIcon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(kIconPixels, kIconPixels));
  imgIcon_->hide();
  const std::array<int, 3> lefts{360, 1680, 3000};
  for (std::size_t i = 0; i < cmdOK_.size(); ++i) {
    cmdOK_[i] = MakeBoxButton(this, TwipsRect(lefts[i], 2160, 1095, 375), QString(), colours.border);
    connect(cmdOK_[i], &QPushButton::clicked, this, [this, i] { done(static_cast<int>(i)); });
  }
  cmdHelp_ = new QToolButton(this);
  cmdHelp_->setGeometry(TwipsRect(4095, 60, 300, 300));
  cmdHelp_->setText(QStringLiteral("?"));
  cmdHelp_->setFont(EditorFont(8.25, true));
  cmdHelp_->setToolTip(QStringLiteral(" Help Index "));
  cmdHelp_->setStyleSheet(QStringLiteral("QToolButton { background: %1; color: black; border: 1px solid white; }")
                              .arg(colours.border.name()));
  cmdHelp_->setFocusPolicy(Qt::NoFocus);
  // Either mouse button opens the topic; the box stays open under the help window.
  connect(cmdHelp_, &QToolButton::clicked, this, [this] { editor_.ui.dialogs->ShowHelpTopic(helpKey_); });
  cmdHelp_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(cmdHelp_, &QToolButton::customContextMenuRequested, this,
          [this] { editor_.ui.dialogs->ShowHelpTopic(helpKey_); });
}

int MessageBoxWindow::Ask(std::string_view message, ButtonSet buttons, std::string_view helpKey) {
  txtLabel_->setText(ToQString(message));
  ApplyButtonSet(buttons);
  helpKey_ = std::string(helpKey);
  cmdHelp_->setVisible(!helpKey_.empty());
  SetBoxOpacity(this, 0);
  const KeyboardReturn keyboard;
  return exec();
}

void MessageBoxWindow::SetErrorIconVisible(bool visible) {
  imgIcon_->setVisible(visible);
  PlaceMessage();
}

void MessageBoxWindow::PlaceMessage() { txtLabel_->setGeometry(MessagePlace(!imgIcon_->isHidden())); }

void MessageBoxWindow::ApplyButtonSet(ButtonSet buttons) {
  const ButtonLayout layout = ButtonLayoutFor(buttons);
  for (std::size_t i = 0; i < cmdOK_.size(); ++i) {
    cmdOK_[i]->setText(ToQString(layout.captions[i]));
    cmdOK_[i]->setVisible(!layout.captions[i].empty());
    cmdOK_[i]->setDefault(static_cast<int>(i) == layout.defaultButton);
  }
  closeAnswer_ = CloseAnswer(buttons);
}

void MessageBoxWindow::reject() { done(closeAnswer_); }

void MessageBoxWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  for (QPushButton* button : cmdOK_) {
    if (button->isDefault()) button->setFocus();
  }
  SetBoxOpacity(this, editor_.DialogAlpha);
}

}  // namespace brolt::editor
