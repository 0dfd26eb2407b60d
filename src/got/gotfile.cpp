#include "got/gotfile.h"

#include "framework/files/atomicwriter.h"
#include "framework/files/inputfile.h"

namespace pellax {

GameTypeRecord readGotFile(const QString& path) {
    GameTypeRecord scratch;
    InputFile file(path);
    file.readExact(scratch.bytes.data(), scratch.bytes.size());
    return scratch;
}

void writeGotFile(const QString& path, const GameTypeRecord& record) {
    AtomicFileWriter writer(path);
    writer.write(record.bytes.data(), record.bytes.size());
    const char trailer = 0;
    writer.write(&trailer, 1);
    writer.commit();
}

}  // namespace pellax
