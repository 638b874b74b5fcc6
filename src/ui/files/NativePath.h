#pragma once
// File names cross between Qt (QString) and the core (bytes in the system's
// file-name encoding) here, and so do the core's messages, which carry them.

#include <QFile>
#include <QString>
#include <string>

namespace gs::ui {

inline std::string ToNative(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString FromNative(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

}  // namespace gs::ui
