#include "framework/files/inputfile.h"
#include "framework/files/nativebytes.h"

#include <QString>

#include <gtest/gtest.h>

#include <random>

namespace pellax {
namespace {

TEST(NativeBytesTest, EveryByteStringComesBackAndUtf8ReadsAsUtf8) {
    // Well-formed UTF-8 reads as Qt reads it, a four-byte sequence included.
    const QByteArray utf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(fromNativeBytes(utf8), QString::fromUtf8(utf8));
    EXPECT_EQ(toNativeBytes(QString::fromUtf8(utf8)), utf8);

    // A stray byte, a cut sequence, an overlong form, an encoded surrogate
    // (even the one a stand-in would be) and a value beyond U+10FFFF: each
    // byte stands alone and comes back as it was.
    for (const QByteArray& odd : {QByteArray("n\xFF.got"), QByteArray("\xC3"), QByteArray("\xE2\x82"), QByteArray("\xC0\x80"),
                                  QByteArray("\xED\xA0\x80"), QByteArray("\xED\xB3\xBF"), QByteArray("\xF4\x90\x80\x80")}) {
        const QString text = fromNativeBytes(odd);
        EXPECT_EQ(text.size(), odd.size()) << odd.toHex().toStdString();
        EXPECT_EQ(toNativeBytes(text), odd) << odd.toHex().toStdString();
        EXPECT_EQ(nativePath(text), odd);
    }
    EXPECT_EQ(fromNativeBytes("n\xFF.got"), QStringLiteral("n") + QChar(0xDCFF) + QStringLiteral(".got"));

    std::mt19937 random(16);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(static_cast<qsizetype>(random() % 12), Qt::Uninitialized);
        for (char& b : bytes)
            b = static_cast<char>(random() % 4 == 0 ? 0x80 | (random() % 0x80) : random() % 256);
        EXPECT_EQ(toNativeBytes(fromNativeBytes(bytes)), bytes) << bytes.toHex().toStdString();
    }
}

}  // namespace
}  // namespace pellax
