#pragma once
// The hints and help of the tool bar's and tool panel's controls: moving over a control shows its
// tool tip in bold in the status bar (after taking the brush outline off the canvas), and a right
// click opens the control's help topic.
#include <QObject>
#include <map>
#include <string>

#include "editor/model/editor.h"

class QWidget;

namespace brolt::editor {

class ControlHelp : public QObject {
 public:
  ControlHelp(Editor& editor, QObject* parent);

  // An empty tip shows nothing, an empty key opens nothing; the widget's own tool tip is `tip`.
  void Add(QWidget& widget, const std::string& tip, std::string helpKey, bool hidesSelector = true);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    std::string tip;
    std::string helpKey;
    bool hidesSelector = true;
  };

  Editor& editor_;
  std::map<QObject*, Entry> entries_;
};

}  // namespace brolt::editor
