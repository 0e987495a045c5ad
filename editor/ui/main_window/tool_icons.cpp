#include "editor/ui/main_window/tool_icons.h"

#include <QAbstractButton>
#include <QPixmap>

#include "editor/model/editor.h"

namespace brolt::editor {

void SetButtonPicture(const Editor& editor, QAbstractButton& button, std::string_view name, const QString& caption) {
  const std::filesystem::path file = editor.AppPath / "Graphics" / "Icons" / (std::string(name) + ".png");
  const QPixmap picture(QString::fromStdString(file.string()));
  if (picture.isNull()) {
    button.setText(caption);
    return;
  }
  button.setIcon(QIcon(picture));
  button.setIconSize(QSize(kIconPixels, kIconPixels));
}

}  // namespace brolt::editor
