#pragma once
// The editor's text is single-byte, as the files hold it; Qt's is Unicode. Every crossing goes
// through these two, so that a title read from a file is written back byte for byte.
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace brolt::editor {

inline QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become '?': the files cannot hold them.
inline std::string FromQString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// File and collection names are not the files' text but the file system's bytes: they cross in
// the platform's file-name encoding, so that a name reads and is created as a file manager and the
// game have it.
inline QString FileNameToQString(std::string_view name) {
  return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

inline std::string FileNameFromQString(const QString& name) {
  const QByteArray bytes = QFile::encodeName(name);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace brolt::editor
