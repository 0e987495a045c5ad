#pragma once
// The help window's page: reports where a mouse press put the caret and when the button comes up,
// so that the window can pick and follow the link under it. Edited in developer mode, it takes
// only the single-byte characters a topic is stored in.
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
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace brolt::editor
