#pragma once

#include "got/gamefieldtable.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace pellax {

// One item of a game field's choice list: the game's name for a value, or
// the number of a value the game does not name, so that it is kept.
struct GameFieldChoice {
    std::uint32_t value;
    QString text;
};

// The choice list of a field with named values, holding `current` too.
std::vector<GameFieldChoice> gameFieldChoices(const GameField& field, std::uint32_t current);

// A field's number as typed: decimal digits only, within the field's width.
std::optional<std::uint32_t> parseGameNumber(const GameField& field, QStringView text);

// The value `text` names: its number, or the game's name for it without regard to case.
std::optional<std::uint32_t> parseGameValue(const GameField& field, QStringView text);

}  // namespace pellax
