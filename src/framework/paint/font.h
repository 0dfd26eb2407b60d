#pragma once

#include "framework/paint/color.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>

#include <cstdint>
#include <memory>

namespace pellax {

enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font as window descriptions give it. Height is in pixels: negative for the
// character height, positive for the cell height; never converted through DPI.
struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;
    std::uint8_t Style = 0;
    TColor Color = clWindowText;
    // Rotation of the text in tenths of a degree, counter-clockwise.
    int Orientation = 0;

    // Size in points at the design's 96 pixels per inch, never the screen's.
    int Size() const noexcept;
    void SetSize(int points) noexcept;

    friend bool operator==(const TFont&, const TFont&) = default;
};

// Pixel height for a size in points at 96 pixels per inch, and back.
int fontHeightFromPoints(int points) noexcept;
int fontPointsFromHeight(int height) noexcept;

// The installed family that stands in for a design font name.
QString substituteFontFamily(const QString& designName);

// Pixels the design font's text cell has above its stand-in's ascent; drawing
// surfaces add them to the cell's top so that heights and baselines match.
int extraCellAscent(const TFont& font);

// The Qt font for a design font, through the substitution table.
QFont toQFont(const TFont& font);

// A font made ready to draw with: its Qt font, metrics and extra cell ascent.
class FontFace {
public:
    FontFace(const QFont& qfont, int extra) : font(qfont), metrics(qfont), extraAscent(extra) {}

    const QFont font;
    const QFontMetrics metrics;
    const int extraAscent;

    // `text` on one line in this font, laid out once: shaping a text costs
    // many times more than drawing its glyphs.
    const QStaticText& laidOut(const QString& text) const;

private:
    mutable QHash<QString, QStaticText> texts_;
};

// The face of `font` with `charExtra` pixels after every character. Faces are
// made once and shared: text drawn letter by letter in many sizes changes the
// font at every letter, and making a Qt font and its metrics each time would
// cost more than drawing the letter. The colour is no part of a face.
std::shared_ptr<const FontFace> fontFace(const TFont& font, int charExtra = 0);

}  // namespace pellax
