#include "app/platform/FileName.h"

#include "core/text/TextEncoding.h"

#include <QFile>
#include <QStringDecoder>

namespace {

constexpr char16_t kEscapedBytes = 0xDC00;

// A lone low surrogate of the escaped range; one after a high surrogate is
// half of a character past U+FFFF.
bool isEscapedByte(const QString& name, qsizetype at) {
    const char16_t c = name[at].unicode();
    return c >= kEscapedBytes + 0x80 && c <= kEscapedBytes + 0xFF &&
           !(at > 0 && name[at - 1].isHighSurrogate());
}

} // namespace

QString FileName::decode(const QByteArray& name) {
    const QString plain = QFile::decodeName(name);
    if (QFile::encodeName(plain) == name)
        return plain;
    QString decoded;
    for (qsizetype at = 0; at < name.size();) {
        const std::string_view bytes(name.constData(), static_cast<std::size_t>(name.size()));
        if (const auto length = static_cast<qsizetype>(
                halvero::utf8SequenceLength(bytes, static_cast<std::size_t>(at)))) {
            decoded += QString::fromUtf8(name.constData() + at, length);
            at += length;
        } else {
            decoded +=
                QChar(static_cast<char16_t>(kEscapedBytes + static_cast<unsigned char>(name[at])));
            ++at;
        }
    }
    return decoded;
}

QByteArray FileName::encode(const QString& name) {
    QByteArray encoded;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= name.size(); ++at) {
        if (at < name.size() && !isEscapedByte(name, at))
            continue;
        if (at == name.size() && start == 0)
            return QFile::encodeName(name); // nothing escaped
        encoded += QFile::encodeName(name.mid(start, at - start));
        if (at < name.size())
            encoded += static_cast<char>(name[at].unicode() - kEscapedBytes);
        start = at + 1;
    }
    return encoded;
}
