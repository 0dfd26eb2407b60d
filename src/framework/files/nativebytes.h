#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pellax {

// Text the system hands over as bytes: file names, the words of a command
// line. They are UTF-8 by convention only, and a file whose name is not must
// still open. So each byte that is not part of a well-formed UTF-8 sequence
// stands in the text as one of the code units U+DC80 to U+DCFF, which no
// well-formed UTF-8 decodes to, and goes back to its byte on the way out:
// fromNativeBytes and toNativeBytes round-trip every byte string.
QString fromNativeBytes(QByteArrayView bytes);

// UTF-8, with each stand-in of fromNativeBytes turned back into its byte. A
// surrogate that is neither half of a pair nor such a stand-in becomes U+FFFD.
QByteArray toNativeBytes(QStringView text);

// True for the stand-ins of fromNativeBytes.
constexpr bool isNativeByteStandIn(char32_t c) noexcept { return c >= 0xDC80 && c <= 0xDCFF; }

// The stand-in of a byte that is not UTF-8, and the byte of a stand-in.
constexpr char16_t nativeByteStandIn(unsigned char byte) noexcept { return static_cast<char16_t>(0xDC00 + byte); }
constexpr unsigned char nativeByteOf(char32_t standIn) noexcept { return static_cast<unsigned char>(standIn - 0xDC00); }

}  // namespace pellax
