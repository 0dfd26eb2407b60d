#include "got/gamefieldtable.h"

#include <algorithm>
#include <cctype>

namespace pellax {

namespace {

constexpr bool idsMatchPlaces() {
    for (std::size_t i = 0; i < kGameFields.size(); ++i) {
        if (static_cast<std::size_t>(kGameFields[i].id) != i)
            return false;
    }
    return true;
}
static_assert(idsMatchPlaces(), "gameField() looks a field up by its id");

bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

const GameField* findGameFieldByKey(std::string_view key) {
    for (const GameField& field : kGameFields) {
        if (field.key && sameKey(key, field.key))
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
    if (field.onlyNamedValues)
        return gameValueName(field, value) != nullptr;
    return field.knownBelow == 0 || value < field.knownBelow;
}

}  // namespace pellax
