#pragma once
// The editor's text is single-byte, as the files hold it; Qt's is Unicode. Every crossing goes
// through these two, so that a title read from a file is written back byte for byte.
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

}  // namespace brolt::editor
