#include "trigger/scenariosections.h"

#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"
#include "framework/files/filelocation.h"
#include "framework/files/ioerror.h"

#include <QTemporaryFile>

#include <cerrno>

namespace pellax {

namespace {

constexpr qsizetype kSectionHead = 8;
const QByteArray kTriggerSection("TRIG");

// A section's name as a message shows it: its printable bytes as they are.
QString shownName(QByteArrayView name) {
    QString shown;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"')
            shown.append(QLatin1Char(c));
        else
            shown.append(QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0')));
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

}  // namespace

std::vector<ScenarioSection> scenarioSections(QByteArrayView scenario) {
    std::vector<ScenarioSection> sections;
    qsizetype at = 0;
    while (at < scenario.size()) {
        const qsizetype left = scenario.size() - at;
        if (left < kSectionHead)
            throw Exception(QStringLiteral("The scenario ends %1 bytes into a section's 8-byte name and size, at byte %2")
                                .arg(left)
                                .arg(at));
        const auto* head = reinterpret_cast<const unsigned char*>(scenario.data() + at);
        const auto size = static_cast<std::int32_t>(static_cast<std::uint32_t>(head[4]) | static_cast<std::uint32_t>(head[5]) << 8 |
                                                    static_cast<std::uint32_t>(head[6]) << 16 |
                                                    static_cast<std::uint32_t>(head[7]) << 24);
        const QByteArrayView name = scenario.sliced(at, 4);
        if (size < 0)
            throw Exception(QStringLiteral("The section %1 at byte %2 claims a negative size (%3)").arg(shownName(name)).arg(at).arg(size));
        if (size > left - kSectionHead)
            throw Exception(QStringLiteral("The section %1 at byte %2 claims %3 bytes, but only %4 follow it: it runs past the end")
                                .arg(shownName(name))
                                .arg(at)
                                .arg(size)
                                .arg(left - kSectionHead));
        sections.push_back({name.toByteArray(), at, scenario.sliced(at + kSectionHead, size)});
        at += kSectionHead + size;
    }
    return sections;
}

TriggerList triggersFromScenario(QByteArrayView scenario) {
    const ScenarioSection* found = nullptr;
    const std::vector<ScenarioSection> sections = scenarioSections(scenario);
    for (const ScenarioSection& section : sections) {
        if (section.name != kTriggerSection)
            continue;
        if (found)
            throw Exception(QStringLiteral("The map has more than one TRIG section (at bytes %1 and %2)")
                                .arg(found->offset)
                                .arg(section.offset));
        found = &section;
    }
    if (!found)
        throw Exception(QStringLiteral("The map has no TRIG section: it holds no triggers"));
    if (found->data.size() % static_cast<qsizetype>(Trigger::Size) != 0)
        throw Exception(QStringLiteral("The TRIG section's %1 bytes are not a whole number of triggers (%2 bytes each)")
                            .arg(found->data.size())
                            .arg(Trigger::Size));
    return triggersFromRecords(found->data);
}

TriggerList readMapTriggers(const QString& location) {
    const FileLocation parsed = parseLocation(location);
    const bool bare = parsed.inArchive ? memberHasExtension(parsed.member, QStringLiteral("chk"))
                                       : parsed.path.endsWith(QLatin1String(".chk"), Qt::CaseInsensitive);
    if (bare)
        return triggersFromScenario(readWholeFile(location));
    if (!parsed.inArchive)
        return triggersFromScenario(readWholeFile(memberLocation(parsed.path, kScenarioMember)));
    // A map inside an archive is an archive itself, which is opened by its path:
    // it is copied out first.
    QTemporaryFile copy;
    if (!copy.open())
        EInOutError::raiseErrno(errno);
    const QByteArray map = readWholeFile(location);
    if (copy.write(map) != map.size() || !copy.flush())
        EInOutError::raiseErrno(errno);
    return triggersFromScenario(readWholeFile(memberLocation(copy.fileName(), kScenarioMember)));
}

}  // namespace pellax
