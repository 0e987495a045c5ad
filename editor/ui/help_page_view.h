#pragma once
// The help window's page: reports where a mouse press put the caret and when the button comes up,
// so that the window can pick and follow the link under it.
#include <QPlainTextEdit>

namespace brolt::editor {

class HelpPageView : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 signals:
  void Pressed(int caret);
  void Released();
  void DoubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace brolt::editor
