#pragma once

#include <QByteArray>
#include <QString>

// File names as the file system holds them: bytes, usually UTF-8, but any
// bytes but "/" and NUL are allowed. A name that the file system's own
// conversion (QFile::decodeName) cannot bring back unchanged keeps each of
// its undecodable bytes as a lone surrogate U+DC80..U+DCFF, so that
// encoding gives back the very bytes: "p\xE9.htm" stays that file, not
// "p\uFFFD.htm", another one.
class FileName {
public:
    static QString decode(const QByteArray& name);
    static QByteArray encode(const QString& name);
};
