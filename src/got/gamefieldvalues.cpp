#include "got/gamefieldvalues.h"

namespace pellax {

std::vector<GameFieldChoice> gameFieldChoices(const GameField& field, std::uint32_t current) {
    std::vector<GameFieldChoice> choices;
    for (const GameValue& v : field.values)
        choices.push_back({v.value, QLatin1String(v.name)});
    if (!gameValueName(field, current))
        choices.push_back({current, QString::number(current)});
    return choices;
}

std::optional<std::uint32_t> parseGameNumber(const GameField& field, QStringView text) {
    // Ten digits hold every 32-bit value; more would overflow the conversion.
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const qulonglong number = text.toULongLong();
    if (number > field.maxValue())
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

std::optional<std::uint32_t> parseGameValue(const GameField& field, QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (const std::optional<std::uint32_t> number = parseGameNumber(field, trimmed))
        return number;
    for (const GameValue& v : field.values) {
        if (trimmed.compare(QLatin1String(v.name), Qt::CaseInsensitive) == 0)
            return v.value;
    }
    return std::nullopt;
}

}  // namespace pellax
