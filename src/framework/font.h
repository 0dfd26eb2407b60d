#pragma once

#include "framework/color.h"

#include <QFont>
#include <QString>

#include <cstdint>

namespace pellax {

enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font as window descriptions give it. Height is in pixels: negative for the
// character height, positive for the cell height; never converted through DPI.
struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;
    std::uint8_t Style = 0;
    TColor Color = clWindowText;

    friend bool operator==(const TFont&, const TFont&) = default;
};

// The installed family that stands in for a design font name.
QString substituteFontFamily(const QString& designName);

// The Qt font for a design font, through the substitution table.
QFont toQFont(const TFont& font);

}  // namespace pellax
