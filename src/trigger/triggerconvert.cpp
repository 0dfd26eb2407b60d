#include "trigger/triggerconvert.h"

#include "framework/files/fileaccess.h"
#include "framework/files/ioerror.h"

#include <array>
#include <cstring>

namespace pellax {

namespace {

// Reads until `size` bytes are in or the file ends; a short regular read is not the end.
std::size_t fill(FileReader& file, char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const std::size_t n = file.readSome(buffer + done, size - done);
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

// The kernel copies into a file much faster at a page-aligned offset than at
// offset 8, so adding a header writes the output's first page through a buffer.
constexpr std::size_t kAlignedStart = 4096;

bool beginsWithHeader(const char* bytes, std::size_t size) {
    return size >= TriggerHeader.size() && std::memcmp(bytes, TriggerHeader.data(), TriggerHeader.size()) == 0;
}

}  // namespace

TriggerCopyOutcome convertTriggerFile(bool strip, const QString& source, const QString& target) {
    const std::unique_ptr<FileReader> reader = openFileReader(source);
    FileReader& input = *reader;
    // Writing the output would then rewrite the source the user asked to keep.
    if (input.isSameFileAs(target))
        throw EInOutError(ioerr::AccessDenied);

    // The first eight bytes decide everything, so the target is not touched before
    // the conversion is known to go ahead.
    std::array<char, TriggerHeader.size()> head{};
    const std::size_t first = fill(input, head.data(), head.size());
    if (strip && first < head.size())
        throw EInOutError(ioerr::ReadBeyondEnd);
    if (!strip && beginsWithHeader(head.data(), first))
        return TriggerCopyOutcome::AlreadyHasHeader;

    // The output can always be made again from the untouched source, so it is not
    // forced to disk: that would cost several times the copy itself.
    const std::unique_ptr<FileWriter> writer = openFileWriter(target, Durability::Flushed);
    FileWriter& output = *writer;
    if (!strip) {
        std::array<char, kAlignedStart> page;
        std::memcpy(page.data(), TriggerHeader.data(), TriggerHeader.size());
        std::memcpy(page.data() + TriggerHeader.size(), head.data(), first);
        std::size_t used = TriggerHeader.size() + first;
        if (first == head.size())
            used += fill(input, page.data() + used, page.size() - used);
        output.write(page.data(), used);
    }
    output.appendRestOf(input);
    output.commit();
    return TriggerCopyOutcome::Written;
}

QString triggerOutputName(const QString& fileName) { return fileName + QStringLiteral("ed"); }

QString alreadyHasHeaderText() { return QStringLiteral("File already has a header"); }

}  // namespace pellax
