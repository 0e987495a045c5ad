#include "editor/ui/qt/control_help.h"

#include <QMouseEvent>
#include <QWidget>

#include "editor/model/window/hide_selector.h"
#include "editor/model/window/status_text.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

ControlHelp::ControlHelp(Editor& editor, QObject* parent) : QObject(parent), editor_(editor) {}

void ControlHelp::Add(QWidget& widget, const std::string& tip, std::string helpKey, bool hidesSelector) {
  if (!tip.empty()) widget.setToolTip(ToQString(tip));
  widget.setMouseTracking(true);
  widget.installEventFilter(this);
  entries_[&widget] = Entry{tip, std::move(helpKey), hidesSelector};
}

bool ControlHelp::eventFilter(QObject* watched, QEvent* event) {
  const auto found = entries_.find(watched);
  if (found == entries_.end()) return false;
  const Entry& entry = found->second;
  if (event->type() == QEvent::MouseMove) {
    if (entry.hidesSelector) HideSelector(editor_);
    if (!entry.tip.empty()) ShowStatusText(editor_, entry.tip, 0, true, false, kStatusWhite);
  } else if (event->type() == QEvent::MouseButtonRelease && !entry.helpKey.empty() &&
             static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    editor_.ui.dialogs->ShowHelpTopic(entry.helpKey);
  }
  return false;
}

}  // namespace brolt::editor
