#include "tool/eightbit.h"

#include "framework/files/ansicodec.h"
#include "framework/files/nativebytes.h"

namespace pellax {

BadCharacter firstBadCharacter(QStringView text, bool (*allowed)(std::uint8_t)) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype at = i;
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[at], text[++i]);
        const std::optional<std::uint8_t> byte = charToAnsi(c);
        if (!byte || (allowed && !allowed(*byte)))
            return {at, c, byte};
    }
    return {};
}

QString describe(const BadCharacter& bad) {
    const int byte = bad.byte.value_or(0);
    return QStringLiteral("byte %1 (\\x%2)").arg(byte).arg(byte, 2, 16, QLatin1Char('0'));
}

QString noByteReason(const BadCharacter& bad) {
    if (isNativeByteStandIn(bad.codePoint))
        return QStringLiteral("byte 0x%1, which is not UTF-8 text").arg(QString::number(nativeByteOf(bad.codePoint), 16).toUpper());
    const QString code = QString::number(bad.codePoint, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    const QString shown = QChar::isPrint(bad.codePoint) ? QStringLiteral("\"%1\" ").arg(QString::fromUcs4(&bad.codePoint, 1))
                                                         : QString();
    return shown + QStringLiteral("(U+%1), which Windows-1252, the files' character set, has no byte for").arg(code);
}

}  // namespace pellax
