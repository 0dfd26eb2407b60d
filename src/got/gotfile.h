#pragma once

#include "got/gametyperecord.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace pellax {

// `path` is a location (filelocation.h): a loose file or a member of an archive.

// The first 96 bytes of a game-type file. The file is opened for reading only
// and read into a scratch record, so a short file changes nothing.
GameTypeRecord readGotFile(const QString& path);

// What the game's loader sees of a file: its first bytes (up to the size the
// game reads) and its size, counted as read.
struct GameFileImage {
    QByteArray start;
    std::uint64_t size = 0;
};
GameFileImage readGameFileImage(const QString& path);
// The record an image begins with; "Read beyond end of file", as Load says,
// when it is shorter than the record.
GameTypeRecord recordOf(const GameFileImage& image);

// The 96 record bytes and one zero byte, replacing the file (or member) atomically.
void writeGotFile(const QString& path, const GameTypeRecord& record);

}  // namespace pellax
