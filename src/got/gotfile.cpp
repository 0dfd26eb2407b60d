#include "got/gotfile.h"

#include "framework/files/fileaccess.h"

namespace pellax {

GameTypeRecord readGotFile(const QString& path) {
    GameTypeRecord scratch;
    openFileReader(path)->readExact(scratch.bytes.data(), scratch.bytes.size());
    return scratch;
}

void writeGotFile(const QString& path, const GameTypeRecord& record) {
    const std::unique_ptr<FileWriter> writer = openFileWriter(path);
    writer->write(record.bytes.data(), record.bytes.size());
    const char trailer = 0;
    writer->write(&trailer, 1);
    writer->commit();
}

}  // namespace pellax
