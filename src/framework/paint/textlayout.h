#pragma once

#include "framework/paint/geometry.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace pellax {

// What DrawText needs to know of a font.
struct TextMetrics {
    std::function<int(QStringView)> width;  // advance of a piece of text without tabs
    int lineHeight = 0;
    int averageCharWidth = 0;
};

// A piece of a line between tabs, at `x` from the line's left edge.
struct TextRun {
    int x = 0;
    QString text;
};

struct TextLine {
    int x = 0;  // left edge, in the coordinates of the layout rectangle
    int y = 0;  // top of the line's cell
    int width = 0;
    std::vector<TextRun> runs;
    // The accelerator character an '&' marked: run and position in it, or -1.
    int underlineRun = -1;
    int underlineChar = -1;
};

struct TextLayout {
    std::vector<TextLine> lines;
    int width = 0;   // of the widest line
    int height = 0;  // of all lines
};

// Places `text` in `r` as the desktop's DrawText does with the DT_* bits in
// `format`: lines broken at CR, LF or CR LF (unless single line), '&' marking the
// accelerator ("&&" an ampersand) unless DT_NOPREFIX, tabs expanded to stops every
// eight average character widths with DT_EXPANDTABS, words wrapped at the width
// of `r` with DT_WORDBREAK, each line aligned left, centred or right, and a
// single line centred vertically or put at the bottom.
TextLayout layoutText(const QString& text, const TRect& r, unsigned format, const TextMetrics& metrics);

// The accelerator character of a caption: the one after the last single '&'
// ("&&" is an ampersand), as DrawText underlines it; a null character if none.
QChar accelCharOf(const QString& caption);
// The caption as shown: marks dropped, "&&" as one ampersand.
QString withoutAccelMarks(const QString& caption);
// Whether `key` is the caption's accelerator, regardless of case.
bool IsAccel(QChar key, const QString& caption);

}  // namespace pellax
