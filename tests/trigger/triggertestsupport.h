#pragma once

#include "trigger/triggerconvert.h"

#include <QByteArray>

#include <cstdint>
#include <random>

namespace pellax::test {

inline QByteArray triggerHeader() {
    return QByteArray(reinterpret_cast<const char*>(TriggerHeader.data()), TriggerHeader.size());
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
