#include "got/gotfile.h"

#include "framework/files/fileaccess.h"
#include "framework/files/ioerror.h"

#include <algorithm>
#include <array>

namespace pellax {

GameTypeRecord readGotFile(const QString& path) {
    GameTypeRecord scratch;
    openFileReader(path)->readExact(scratch.bytes.data(), scratch.bytes.size());
    return scratch;
}

GameFileImage readGameFileImage(const QString& path) {
    const std::unique_ptr<FileReader> file = openFileReader(path);
    GameFileImage image;
    std::array<char, 64 * 1024> buffer{};
    while (const std::size_t n = file->readSome(buffer.data(), buffer.size())) {
        const auto wanted = static_cast<qsizetype>(kGameFileSize) - image.start.size();
        if (wanted > 0)
            image.start.append(buffer.data(), std::min(wanted, static_cast<qsizetype>(n)));
        image.size += n;
    }
    return image;
}

GameTypeRecord recordOf(const GameFileImage& image) {
    GameTypeRecord record;
    if (static_cast<std::size_t>(image.start.size()) < record.bytes.size())
        throw EInOutError(ioerr::ReadBeyondEnd);
    std::copy_n(image.start.constData(), record.bytes.size(), record.bytes.begin());
    return record;
}

void writeGotFile(const QString& path, const GameTypeRecord& record) {
    const std::unique_ptr<FileWriter> writer = openFileWriter(path);
    writer->write(record.bytes.data(), record.bytes.size());
    const char trailer = 0;
    writer->write(&trailer, 1);
    writer->commit();
}

}  // namespace pellax
