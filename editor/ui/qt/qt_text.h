#pragma once
// The editor's text is single-byte, as the files hold it; Qt's is Unicode. Every crossing goes
// through these two, so that a title read from a file is written back byte for byte.
#include <QString>
#include <string>
#include <string_view>

#include "editor/model/services/collection_name.h"

namespace brolt::editor {

inline QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become '?': the files cannot hold them.
inline std::string FromQString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// File and collection names are not the files' text but the file system's bytes. A name is shown
// through the one reading of names; what is shown is never turned back into a name, as two names
// may read alike: the widgets find a name by its place in the list it came from.
inline QString FileNameToQString(std::string_view name) {
  const std::u32string characters = DecodeFileName(name);
  return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

// A name the designer typed, created as the file system and a file manager spell it: in UTF-8.
inline std::string TypedFileName(const QString& typed) {
  const QByteArray bytes = typed.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace brolt::editor
