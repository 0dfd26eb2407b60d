#pragma once

#include "got/gametyperecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace pellax {

// What the game plays a game type with: when it starts a game, the victory
// conditions (0x49) pick a trigger file from its archives, and for resources
// and slaughter the variation value (0x45) picks which one.
struct GameTriggerFile {
    enum class Use {
        File,            // `member` names it
        None,            // the game plays without a trigger file
        NoGame,          // resources or slaughter with a variation value that has no file: no game starts
        UnknownVictory,  // victory conditions the game does not know
    };
    Use use = Use::None;
    QByteArray member;  // "triggers\Melee.trg", as the game's archives name it
    std::uint32_t victory = 0;
    std::uint32_t variation = 0;
};

GameTriggerFile gameTriggerFile(std::uint32_t victoryConditions, std::uint32_t variationValue);
GameTriggerFile gameTriggerFile(const GameTypeRecord& record);

// Whether the trigger file is in the archive the game type comes from:
// nothing for a loose game type, or for a game type that uses no file.
// `members` are the archive's member names.
std::optional<bool> triggerFileInArchive(const GameTriggerFile& file, const QList<QByteArray>& members);

// The archive's own name for `member`, matched as the game matches names:
// in any case, either slash; empty when the archive has no such member.
QByteArray findArchiveMember(const QList<QByteArray>& members, const QByteArray& member);

// The trigger file in words, for the editor and pellax-tool:
//   triggers\Greed5000.trg
//   triggers\Melee.trg, in this archive
//   none: the game plays it without a trigger file
//   none: the game will not start a game of it
QString gameTriggerFileText(const GameTriggerFile& file, std::optional<bool> inArchive = std::nullopt);

}  // namespace pellax
