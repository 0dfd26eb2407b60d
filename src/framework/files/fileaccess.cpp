#include "framework/files/fileaccess.h"

#include "framework/files/atomicwriter.h"
#include "framework/files/filelocation.h"
#include "framework/files/inputfile.h"
#include "framework/files/memberfile.h"

namespace pellax {

std::unique_ptr<FileReader> openFileReader(const QString& location) {
    FileLocation parsed = parseLocation(location);
    if (parsed.inArchive)
        return std::make_unique<MemberReader>(std::move(parsed));
    return std::make_unique<InputFile>(location);
}

std::unique_ptr<FileWriter> openFileWriter(const QString& location, Durability durability) {
    FileLocation parsed = parseLocation(location);
    if (parsed.inArchive)
        return std::make_unique<MemberWriter>(std::move(parsed), durability);
    return std::make_unique<AtomicFileWriter>(location, durability);
}

QByteArray readWholeFile(const QString& location) { return openFileReader(location)->readAll(); }

void writeWholeFile(const QString& location, const QByteArray& content) {
    const std::unique_ptr<FileWriter> writer = openFileWriter(location);
    writer->write(content);
    writer->commit();
}

}  // namespace pellax
