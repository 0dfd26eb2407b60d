#include "got/gametypeschema.h"

#include <vector>

namespace pellax {

namespace {

// The rows lie one after the other over the 96 bytes, in the order of their
// ids, and each control has a place of its own in the tab order.
constexpr bool rowsMakeTheRecord() {
    std::size_t end = 0;
    std::array<int, kControlCount> tabs{};
    for (std::size_t i = 0; i < kGameFields.size(); ++i) {
        const GameField& field = kGameFields[i];
        if (static_cast<std::size_t>(field.id) != i || field.offset != end || field.shownSize() > field.size)
            return false;
        end += field.size;
        for (const Control& control : {field.shownBy.control, field.shownBy.partner}) {
            if (control.name && (control.tab < 0 || control.tab >= static_cast<int>(kControlCount) || tabs[control.tab]++))
                return false;
        }
    }
    return end == 96;
}
static_assert(rowsMakeTheRecord());

// The bytes of each field that no control and no key covers, where New writes them or not.
std::vector<ByteRange> uncoveredBytes(bool writtenByNew) {
    std::vector<ByteRange> ranges;
    for (const GameField& field : kGameFields) {
        const std::size_t covered = field.key ? field.size : field.shownBy.binding != Binding::None ? field.shownSize() : 0;
        if (covered < field.size && field.onNew.has_value() == writtenByNew)
            ranges.push_back({field.offset + covered, field.size - covered});
    }
    return ranges;
}

}  // namespace

std::span<const ByteRange> carriedBytes() {
    static const std::vector<ByteRange> ranges = uncoveredBytes(true);
    return ranges;
}

std::span<const ByteRange> gapBytes() {
    static const std::vector<ByteRange> ranges = uncoveredBytes(false);
    return ranges;
}

const GameField* findGameFieldByKey(QStringView key) {
    for (const GameField& field : kGameFields) {
        if (field.key && key.compare(QLatin1String(field.key), Qt::CaseInsensitive) == 0)
            return &field;
    }
    return nullptr;
}

const char* gameValueName(const GameField& field, std::uint32_t value) {
    for (const GameValue& named : field.values) {
        if (named.value == value)
            return named.name;
    }
    return nullptr;
}

bool isKnownGameValue(const GameField& field, std::uint32_t value) {
    if (field.onlyNamed)
        return gameValueName(field, value) != nullptr;
    return field.knownBelow == 0 || value < field.knownBelow;
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
