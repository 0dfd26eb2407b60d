#pragma once

#include "framework/paint/bitmap.h"
#include "framework/paint/desktop.h"

#include <QString>

#include <map>

namespace pellax::test {

// A desktop scheme in which every colour is different from every other, so a
// pixel tells which desktop colour painted it: index n is 0x100000 + n.
class DistinctColors final : public SystemColors {
public:
    TColor sysColor(int index) const noexcept override { return 0x100000 + index; }
    static TColor of(int index) noexcept { return 0x100000 + index; }
};

// A small picture in a colour no test draws with, and the canvas to draw on it.
struct Surface {
    static constexpr TColor kPaper = 0x0F0E0D;
    explicit Surface(int width, int height) : bitmap(width, height, colors) {
        bitmap.Canvas().SetBrushColor(kPaper);
        bitmap.Canvas().FillRect(Bounds(0, 0, width, height));
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) { return bitmap.pixel(x, y); }

    // The picture as rows of letters: `letters` names the colours, '.' is the
    // paper and '?' anything else.
    QString picture(const std::map<TColor, char>& letters) {
        QString out;
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor c = bitmap.pixel(x, y);
                const auto it = letters.find(c);
                out += c == kPaper ? QChar(u'.') : it != letters.end() ? QChar::fromLatin1(it->second) : QChar(u'?');
            }
            out += u'\n';
        }
        return out;
    }

    DistinctColors colors;
    TBitmap bitmap;
};

}  // namespace pellax::test
