#include "framework/paint/font.h"

#include "framework/paint/muldiv.h"

#include <array>
#include <map>
#include <tuple>

namespace pellax {

namespace {

// Design fonts and the metric-close fonts that Debian installs in their place.
// The stretch narrows the stand-in where the design font is narrower, so that
// texts fit the places laid out for them. The design's sans serif fonts have a
// taller ascent than Liberation Sans at the same character height (8 points:
// 11 pixels above the baseline, 13 in all, against 10 and 12), so their cells
// get one pixel more on top.
struct Substitute {
    const char* design;
    const char* installed;
    int stretch;  // percent
    int extraAscent;
};

constexpr std::array<Substitute, 6> kSubstitutes = {{
    {"MS Sans Serif", "Liberation Sans", 90, 1},
    {"Microsoft Sans Serif", "Liberation Sans", 90, 1},
    {"Tahoma", "Liberation Sans", 95, 1},
    {"Arial", "Liberation Sans", 100, 0},
    {"Times New Roman", "Liberation Serif", 100, 0},
    {"Courier New", "Liberation Mono", 100, 0},
}};

const Substitute* findSubstitute(const QString& designName) {
    for (const Substitute& s : kSubstitutes) {
        if (designName.compare(QLatin1String(s.design), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

}  // namespace

int fontHeightFromPoints(int points) noexcept { return -MulDiv(points, 96, 72); }

int fontPointsFromHeight(int height) noexcept { return -MulDiv(height, 72, 96); }

int TFont::Size() const noexcept { return fontPointsFromHeight(Height); }

void TFont::SetSize(int points) noexcept { Height = fontHeightFromPoints(points); }

QString substituteFontFamily(const QString& designName) {
    const Substitute* s = findSubstitute(designName);
    return s ? QString::fromLatin1(s->installed) : designName;
}

int extraCellAscent(const TFont& font) {
    const Substitute* s = findSubstitute(font.Name);
    return s ? s->extraAscent : 0;
}

QFont toQFont(const TFont& font) {
    QFont q(substituteFontFamily(font.Name));
    // A positive height includes the internal leading, roughly a fifth of the cell.
    const int pixels = font.Height < 0 ? -font.Height : (font.Height * 4 + 2) / 5;
    q.setPixelSize(pixels > 0 ? pixels : 11);
    q.setBold((font.Style & fsBold) != 0);
    q.setItalic((font.Style & fsItalic) != 0);
    q.setUnderline((font.Style & fsUnderline) != 0);
    q.setStrikeOut((font.Style & fsStrikeOut) != 0);
    if (const Substitute* s = findSubstitute(font.Name); s && s->stretch != 100)
        q.setStretch(s->stretch);
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}

const QStaticText& FontFace::laidOut(const QString& text) const {
    if (const auto it = texts_.constFind(text); it != texts_.cend())
        return *it;
    // Texts drawn at a point are captions and letters: few, and short.
    constexpr qsizetype kMostTexts = 512;
    if (texts_.size() >= kMostTexts)
        texts_.clear();
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    return *texts_.insert(text, laid);
}

std::shared_ptr<const FontFace> fontFace(const TFont& font, int charExtra) {
    using Key = std::tuple<QString, int, int, int>;
    // A few dozen faces in practice; the bound only keeps a runaway caller small.
    constexpr std::size_t kMostFaces = 256;
    static std::map<Key, std::shared_ptr<const FontFace>> faces;
    const Key key{font.Name, font.Height, font.Style, charExtra};
    if (const auto it = faces.find(key); it != faces.end())
        return it->second;
    if (faces.size() >= kMostFaces)
        faces.clear();
    QFont q = toQFont(font);
    if (charExtra != 0)
        q.setLetterSpacing(QFont::AbsoluteSpacing, charExtra);
    auto face = std::make_shared<const FontFace>(q, extraCellAscent(font));
    faces.emplace(key, face);
    return face;
}

}  // namespace pellax
