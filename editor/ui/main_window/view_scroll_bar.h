#pragma once
// A scroll bar of the canvas (ScrX or ScrY): shows the range and value the rules set, and hands a
// value the designer chooses back to the rules, which scroll the view.
#include <QScrollBar>

#include "editor/model/editor.h"

namespace brolt::editor {

class ViewScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  ViewScrollBar(Editor& editor, ScrollBarState& bar, Qt::Orientation orientation, QWidget* parent = nullptr);

  // Takes the bar's range, large change and value from the model, without reporting them back.
  void ShowState();

 private:
  void TakeValue(int value);

  Editor& editor_;
  ScrollBarState& bar_;
};

}  // namespace brolt::editor
