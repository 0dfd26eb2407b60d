#pragma once

#include "got/gametyperecord.h"

#include <QByteArrayView>
#include <QStringList>

#include <cstdint>

namespace pellax {

// Each reason the game would skip or misread a game type, in words a modder
// understands; empty when the game reads it as it stands.
//
// gameFileFindings judges a file from its size and its first bytes (at least
// the record's, where it has them): the size and every rule of the record.
// gameFileTypeFindings only those by which the game does not take the file
// for a game type at all: its size and its first byte.
// gameRecordFindings judges the record alone, as Save writes it (97 bytes).
QStringList gameFileFindings(QByteArrayView start, std::uint64_t size);
QStringList gameFileTypeFindings(QByteArrayView start, std::uint64_t size);
QStringList gameRecordFindings(const GameTypeRecord& record);

}  // namespace pellax
