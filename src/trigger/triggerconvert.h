#pragma once

#include <QString>

#include <array>

namespace pellax {

// The fixed header that the game puts in front of a trigger file.
inline constexpr std::array<unsigned char, 8> TriggerHeader = {0x71, 0x77, 0x98, 0x36, 0x18, 0x00, 0x00, 0x00};

enum class TriggerCopyOutcome {
    Written,           // the target now holds the converted source
    AlreadyHasHeader,  // add refused: the source begins with the header; nothing written
};

// Converts `source` into `target`, each a location (filelocation.h): a loose
// file or a member of an archive. Strip drops the first 8 bytes, whatever they
// are; add puts the header in front of a source that does not begin with it.
// The source is only read: a target that is the source itself, by whatever
// name or link, is refused with "File access denied" before anything is
// written. The target is written through openFileWriter, replaced whole and only
// on success: on any error (raised as EInOutError) or refusal it is left
// exactly as it was, and no temporary file remains.
TriggerCopyOutcome convertTriggerFile(bool strip, const QString& source, const QString& target);

// The file a conversion writes: the source's name with "ed" appended.
QString triggerOutputName(const QString& fileName);

// What the user is told when add finds the header already there.
QString alreadyHasHeaderText();

}  // namespace pellax
