#include "got/gametypefields.h"

#include "got/numbertext.h"

#include <array>

namespace pellax {

namespace {

constexpr std::array<const char*, 9> kColorItems = {"Reg color",     "SC 0x01 (?\?\?)", "SC 0x02 (?\?\?)",
                                                   "SC 0x03 (?\?\?)", "SC 0x04 (?\?\?)", "SC 0x05 (?\?\?)",
                                                   "SC 0x06 (?\?\?)", "SC 0x07 (?\?\?)", "SC 0x08 (?\?\?)"};
// The game's own names of the starting units, which this combo box chooses.
constexpr auto kGametypeItems = valueNames<gamevalues::kStartingUnits.size()>(gameField(GameFieldId::StartingUnits));
constexpr std::array<const char*, 4> kPlayabilityItems = {
    "0 = Comp can't play, multi only ", "1 = Comp can play, multi only ", "2 = Disabled? ",
    "3 = Comp can play, multi or single"};

using F = GameTypeFields;

constexpr const GameField* shows(GameFieldId id) { return &gameField(id); }

constexpr GameTypeField edit(const char* name, QString F::*text, bool digitFilter, const GameField* game = nullptr) {
    return {.name = name, .kind = FieldKind::Edit, .text = text, .digitFilter = digitFilter, .game = game};
}
constexpr GameTypeField combo(const char* name, int F::*selection, std::span<const char* const> items,
                              const GameField* game = nullptr) {
    return {.name = name, .kind = FieldKind::ComboBox, .selection = selection, .items = items, .game = game};
}
constexpr GameTypeField check(const char* name, bool F::*checked, const GameField* game) {
    return {.name = name, .kind = FieldKind::CheckBox, .checked = checked, .game = game};
}

using G = GameFieldId;
constexpr std::array<GameTypeField, 14> kFields = {
    edit("gametypename", &F::gametypename, false),
    combo("colorbox", &F::colorbox, kColorItems),
    edit("descripname", &F::descripname, false),
    edit("varsetting", &F::varsetting, true, shows(G::VariationValue)),
    edit("varnum", &F::varnum, true, shows(G::VariationId)),
    edit("position", &F::position, true, shows(G::GameTypeId)),
    check("Canally", &F::Canally, shows(G::Alliances)),
    check("defaultmin", &F::defaultmin, shows(G::ResourceType)),
    check("isenabled", &F::isenabled, shows(G::VariationId)),
    combo("Gametype", &F::Gametype, kGametypeItems, shows(G::StartingUnits)),
    combo("playability", &F::playability, kPlayabilityItems, shows(G::PlayerTypes)),
    edit("numteams", &F::numteams, true, shows(G::TeamMode)),
    edit("minerals", &F::minerals, true, shows(G::ResourceValue)),
    edit("Gametypesetting", &F::Gametypesetting, false, shows(G::VictoryConditions)),
};

int selectionOf(std::uint8_t value, std::span<const char* const> items) {
    return value < items.size() ? value : -1;
}

std::uint8_t low8(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

GameTypeFields fieldsFromRecord(const GameTypeRecord& r) {
    GameTypeFields f;
    f.colorbox = decodeColorSelection(r);
    f.gametypename = decodeName(r);
    f.descripname = decodeVariationName(r);
    f.defaultmin = r.at(gto::DefaultMinerals) != 0;
    f.playability = selectionOf(r.at(gto::Playability), kPlayabilityItems);
    f.Canally = r.at(gto::Alliances) != 0;
    f.position = QString::number(r.at(gto::Position));
    f.Gametype = selectionOf(r.at(gto::GameType), kGametypeItems);
    f.numteams = QString::number(r.at(gto::MaxTeams));
    f.minerals = QString::number(r.minerals());
    f.varsetting = QString::number(r.number(gto::VariationSetting, 4));
    f.isenabled = r.at(gto::VariationNumber) != 0;
    f.Gametypesetting = QString::number(r.at(gto::InternalSetting));
    f.varnum = QString::number(r.at(gto::VariationNumber));
    return f;
}

void fieldsToRecord(const GameTypeFields& f, GameTypeRecord& r, const GameTypeFields* shown) {
    // Without a display to compare with, every control is written, as the design saves.
    const auto changed = [shown, &f](auto... members) { return !shown || ((f.*members != shown->*members) || ...); };
    using F = GameTypeFields;
    if (changed(&F::gametypename, &F::colorbox))
        encodeName(r, f.gametypename, f.colorbox);
    if (changed(&F::descripname))
        encodeVariationName(r, f.descripname);
    if (changed(&F::defaultmin))
        r.set(gto::DefaultMinerals, f.defaultmin ? 1 : 0);
    if (changed(&F::playability))
        r.set(gto::Playability, low8(f.playability));
    if (changed(&F::Canally))
        r.set(gto::Alliances, f.Canally ? 1 : 0);
    if (changed(&F::position))
        r.set(gto::Position, low8(textToInt(f.position)));
    if (changed(&F::Gametype))
        r.set(gto::GameType, low8(f.Gametype));
    if (changed(&F::numteams))
        r.set(gto::MaxTeams, low8(textToInt(f.numteams)));
    if (changed(&F::minerals))
        r.setMinerals(textToUInt32(f.minerals));
    if (changed(&F::varsetting))
        r.setNumber(gto::VariationSetting, 4, textToUInt32(f.varsetting));
    if (changed(&F::varnum, &F::isenabled))
        r.set(gto::VariationNumber, f.isenabled ? low8(textToInt(f.varnum)) : 0);
    if (changed(&F::Gametypesetting))
        r.set(gto::InternalSetting, low8(textToInt(f.Gametypesetting)));
}

QString keepDigits(QStringView text) {
    QString digits;
    digits.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

std::span<const GameTypeField> gameTypeFields() { return kFields; }

const GameTypeField* findGameTypeField(QStringView name) {
    for (const GameTypeField& field : kFields) {
        if (name.compare(QLatin1String(field.name), Qt::CaseInsensitive) == 0)
            return &field;
    }
    return nullptr;
}

void typeIntoField(GameTypeFields& fields, const GameTypeField& field, const QString& typed) {
    QString& text = fields.*field.text;
    const QString cleaned = field.digitFilter ? keepDigits(typed) : typed;
    if (field.text == &GameTypeFields::minerals && cleaned != text)
        fields.defaultmin = false;
    text = cleaned;
}

}  // namespace pellax
