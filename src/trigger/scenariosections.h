#pragma once

#include "trigger/triggerrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace pellax {

// One section of a map's scenario (staredit\scenario.chk): a 4-byte name, a
// 32-bit little-endian size, then that many bytes of data.
struct ScenarioSection {
    QByteArray name;     // the 4 bytes
    qsizetype offset;    // of the section's name, from the start of the scenario
    QByteArrayView data;
};

// Every section of the chain, in order. Raises Exception, saying which section
// and where, when a section claims a negative size or more bytes than follow
// it, or the scenario ends inside a section's name and size: whatever a size
// claims, nothing outside `scenario` is read.
std::vector<ScenarioSection> scenarioSections(QByteArrayView scenario);

// The triggers of the scenario's TRIG section. Raises Exception when the chain
// is broken (above), there is no TRIG section or more than one, or its size is
// not a whole number of triggers.
TriggerList triggersFromScenario(QByteArrayView scenario);

// The triggers of a map, read from `location` (filelocation.h): a bare scenario
// when its name ends in ".chk", else an MPQ archive holding
// staredit\scenario.chk (.scm, .scx), loose or itself a member of an archive.
// Raises Exception, EInOutError for the file errors.
TriggerList readMapTriggers(const QString& location);

// The scenario's name in a map archive.
inline constexpr char kScenarioMember[] = "staredit\\scenario.chk";

}  // namespace pellax
