#include "got/gametypefields.h"

#include "got/numbertext.h"

#include <array>

namespace pellax {

namespace {

constexpr std::array<const char*, 9> kColorItems = {"Reg color",     "SC 0x01 (?\?\?)", "SC 0x02 (?\?\?)",
                                                   "SC 0x03 (?\?\?)", "SC 0x04 (?\?\?)", "SC 0x05 (?\?\?)",
                                                   "SC 0x06 (?\?\?)", "SC 0x07 (?\?\?)", "SC 0x08 (?\?\?)"};
constexpr std::array<const char*, 3> kGametypeItems = {"UMS(Use map settings)", "4 Workers ", "Town Hall, 4 workers"};
constexpr std::array<const char*, 4> kPlayabilityItems = {
    "0 = Comp can't play, multi only ", "1 = Comp can play, multi only ", "2 = Disabled? ",
    "3 = Comp can play, multi or single"};

using F = GameTypeFields;

constexpr GameTypeField edit(const char* name, QString F::*text, bool digitFilter) {
    return {.name = name, .kind = FieldKind::Edit, .text = text, .digitFilter = digitFilter};
}
constexpr GameTypeField combo(const char* name, int F::*selection, std::span<const char* const> items) {
    return {.name = name, .kind = FieldKind::ComboBox, .selection = selection, .items = items};
}
constexpr GameTypeField check(const char* name, bool F::*checked) {
    return {.name = name, .kind = FieldKind::CheckBox, .checked = checked};
}

constexpr std::array<GameTypeField, 14> kFields = {
    edit("gametypename", &F::gametypename, false),
    combo("colorbox", &F::colorbox, kColorItems),
    edit("descripname", &F::descripname, false),
    edit("varsetting", &F::varsetting, true),
    edit("varnum", &F::varnum, true),
    edit("position", &F::position, true),
    check("Canally", &F::Canally),
    check("defaultmin", &F::defaultmin),
    check("isenabled", &F::isenabled),
    combo("Gametype", &F::Gametype, kGametypeItems),
    combo("playability", &F::playability, kPlayabilityItems),
    edit("numteams", &F::numteams, true),
    edit("minerals", &F::minerals, true),
    edit("Gametypesetting", &F::Gametypesetting, false),
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
    f.varsetting = QString::number(r.at(gto::VariationSetting));
    f.isenabled = r.at(gto::VariationNumber) != 0;
    f.Gametypesetting = QString::number(r.at(gto::InternalSetting));
    f.varnum = QString::number(r.at(gto::VariationNumber));
    return f;
}

void fieldsToRecord(const GameTypeFields& f, GameTypeRecord& r) {
    encodeName(r, f.gametypename, f.colorbox);
    encodeVariationName(r, f.descripname);
    r.set(gto::DefaultMinerals, f.defaultmin ? 1 : 0);
    r.set(gto::Playability, low8(f.playability));
    r.set(gto::Alliances, f.Canally ? 1 : 0);
    r.set(gto::Position, low8(textToInt(f.position)));
    r.set(gto::GameType, low8(f.Gametype));
    r.set(gto::MaxTeams, low8(textToInt(f.numteams)));
    r.setMinerals(textToUInt32(f.minerals));
    r.set(gto::VariationSetting, low8(textToInt(f.varsetting)));
    r.set(gto::VariationNumber, f.isenabled ? low8(textToInt(f.varnum)) : 0);
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
