#include "editor/ui/dialog_skin.h"

#include "editor/ui/qt_colors.h"

namespace brolt::editor {

void SkinDialog(QDialog& dialog, const Preferences& prefs) {
  const QString panel = ColorFromText(prefs.GridDark).name();
  const QString button = ColorFromText(prefs.BorderColor).name();
  const QString line = ColorFromText(prefs.GridLight).name();
  dialog.setStyleSheet(QString("QDialog { background: %1; } QLabel { color: white; } "
                               "QPushButton { background: %2; color: white; border: 1px solid %3; padding: 3px 8px; } "
                               "QListWidget, QComboBox, QPlainTextEdit { border: 1px solid %3; }")
                           .arg(panel, button, line));
}

}  // namespace brolt::editor
