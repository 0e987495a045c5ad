#include "editor/ui/boxes/input_box_window.h"

#include <QLabel>
#include <QPushButton>

#include "editor/model/editor.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/qt/input_line.h"
#include "editor/ui/qt/keyboard_return.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

InputBoxWindow::InputBoxWindow(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  PrepareBoxWindow(this, 4635, 2865);
  const BoxColours colours = ColoursOf(editor.prefs);
  new FrameShape(this, TwipsRect(120, 120, 4410, 2595), colours.border, 2);
  new FrameShape(this, TwipsRect(240, 1560, 4155, 405), colours.gridLight, 1);
  txtLabel_ = MakeBoxLabel(this, TwipsRect(360, 360, 3975, 975));
  txtInput_ = new InputLine(this);
  txtInput_->setGeometry(TwipsRect(285, 1590, 4080, 360));
  txtInput_->setFont(EditorFont(9.75, true));
  cmdOK_ = MakeBoxButton(this, TwipsRect(1200, 2160, 975, 375), QStringLiteral("OK"), colours.border);
  cmdCancel_ = MakeBoxButton(this, TwipsRect(2520, 2160, 975, 375), QStringLiteral("Cancel"), colours.border);
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

std::string InputBoxWindow::Ask(std::string_view prompt, std::string_view defaultText, int maxLength) {
  const InputDefault start = ParseInputDefault(defaultText);
  txtLabel_->setText(ToQString(prompt));
  // A file name stands in the box as names are shown; typing keeps to single bytes.
  const bool fileName = start.mode == InputMode::FileName;
  const QString offered = fileName ? FileNameToQString(start.text) : ToQString(start.text);
  txtInput_->setText(offered);
  txtInput_->SetRules({start.mode, maxLength, editor_.DeveloperMode, editor_.MaxFileNameLength});
  SetBoxOpacity(this, 0);
  const KeyboardReturn keyboard;
  if (exec() != QDialog::Accepted) return {};
  const QString typed = txtInput_->text();
  if (!fileName) return FromQString(typed);
  // The offered name left as it stands is that file's own name, whatever its bytes; only an
  // edited one is a new name.
  return typed == offered ? start.text : TypedFileName(typed);
}

void InputBoxWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  txtInput_->setFocus();
  txtInput_->selectAll();
  SetBoxOpacity(this, editor_.DialogAlpha);
}

}  // namespace brolt::editor
