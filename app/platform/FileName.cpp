#include "app/platform/FileName.h"

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

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype validSequence(const QByteArray& text, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const qsizetype length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points past U+10FFFF are invalid.
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

} // namespace

QString FileName::decode(const QByteArray& name) {
    const QString plain = QFile::decodeName(name);
    if (QFile::encodeName(plain) == name)
        return plain;
    QString decoded;
    for (qsizetype at = 0; at < name.size();) {
        if (const qsizetype length = validSequence(name, at)) {
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
