#include "editor/program/app_path.h"

#include <QCoreApplication>
#include <QFile>

namespace brolt::editor {

std::filesystem::path AppPath() {
  return std::filesystem::path(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace brolt::editor
