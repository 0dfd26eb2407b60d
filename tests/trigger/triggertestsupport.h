#pragma once

#include "framework/ioerror.h"
#include "trigger/triggerconvert.h"

#include <QByteArray>

#include <cstdint>
#include <random>

namespace pellax::test {

inline QByteArray triggerHeader() {
    return QByteArray(reinterpret_cast<const char*>(TriggerHeader.data()), TriggerHeader.size());
}

// The run-time code of the EInOutError that `action` raises, 0 when it raises none.
template <class F>
int ioErrorOf(F&& action) {
    try {
        action();
    } catch (const EInOutError& e) {
        return e.errorCode();
    }
    return 0;
}

// Reproducible bytes of every value; the first byte is never the header's.
inline QByteArray noiseBytes(qsizetype size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xFF);
    if (!bytes.isEmpty())
        bytes[0] = 'x';
    return bytes;
}

}  // namespace pellax::test
