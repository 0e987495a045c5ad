#include "editor/ui/pending_widgets.h"

#include <array>
#include <string>

#include <algorithm>

#include "editor/model/pending_procedures.h"

namespace brolt::editor {

QColor ColorTextColor(std::string_view colorText) {
  auto channel = [colorText](int component) { return std::clamp(GetColorComponent(colorText, component), 0, 255); };
  return QColor(channel(0), channel(1), channel(2));
}

QColor QBColor(int index) {
  static const std::array<QColor, 16> palette{
      QColor(0, 0, 0),     QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
      QColor(128, 0, 0),   QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
      QColor(128, 128, 128), QColor(0, 0, 255), QColor(0, 255, 0),   QColor(0, 255, 255),
      QColor(255, 0, 0),   QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
  return palette[static_cast<std::size_t>(std::clamp(index, 0, 15))];
}

void SkinDialog(QDialog& dialog, const Preferences& prefs) {
  const QString panel = ColorTextColor(prefs.GridDark).name();
  const QString button = ColorTextColor(prefs.BorderColor).name();
  const QString line = ColorTextColor(prefs.GridLight).name();
  dialog.setStyleSheet(QString("QDialog { background: %1; } QLabel { color: white; } "
                               "QPushButton { background: %2; color: white; border: 1px solid %3; padding: 3px 8px; } "
                               "QListWidget, QComboBox, QPlainTextEdit { border: 1px solid %3; }")
                           .arg(panel, button, line));
}

}  // namespace brolt::editor
