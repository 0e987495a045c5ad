#pragma once
// Names longer than the box they stand in: shown cut, with an ellipsis where they end, so that two
// names sharing their first letters are not taken for one; the whole name is the box's tool tip.
#include <QComboBox>
#include <QLabel>
#include <QString>

namespace brolt::editor {

// Shows `text` in the label as far as it fits; a cut text is whole in the tool tip.
void ShowFittedText(QLabel& label, const QString& text);

// A combo box whose chosen entry is shown as far as it fits, and whole in the tool tip when cut.
class FittedComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  // The chosen entry as the closed box shows it.
  QString ShownText() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace brolt::editor
