// The font and text of TCanvas: the Qt font and metrics the current font is
// drawn with, and text drawn at a point or laid out in a rectangle.

#include "framework/paint/canvas.h"

#include "framework/paint/textlayout.h"

#include <QPainter>

namespace pellax {

void TCanvas::SetFont(const TFont& font) {
    if (state_.font == font)
        return;
    state_.font = font;
    fontChanged();
}

void TCanvas::SetFontSize(int points) {
    TFont f = state_.font;
    f.SetSize(points);
    SetFont(f);
}

void TCanvas::SetTextCharacterExtra(int extra) {
    if (state_.charExtra == extra)
        return;
    state_.charExtra = extra;
    fontChanged();
}

void TCanvas::fontChanged() noexcept { face_.reset(); }

const FontFace& TCanvas::face() const {
    if (!face_)
        face_ = fontFace(state_.font, state_.charExtra);
    return *face_;
}

const QFont& TCanvas::qfont() const { return face().font; }

int TCanvas::cellAscent() const { return face().metrics.ascent() + face().extraAscent; }

int TCanvas::cellHeight() const { return face().metrics.height() + face().extraAscent; }

const QFontMetrics& TCanvas::metrics() const { return face().metrics; }

void TCanvas::TextOut(int x, int y, const QString& text, bool rightToLeft) {
    if (text.isEmpty())
        return;
    QPainter& p = paint();
    const QFontMetrics& fm = metrics();
    p.save();
    p.translate(x, y);
    if (state_.font.Orientation != 0)
        p.rotate(-state_.font.Orientation / 10.0);
    if (rightToLeft)
        p.setLayoutDirection(Qt::RightToLeft);
    if (state_.bkMode == TBkMode::Opaque)
        p.fillRect(QRect(0, 0, fm.horizontalAdvance(text), cellHeight()), qcolor(state_.bkColor));
    p.setPen(qcolor(state_.font.Color));
    const QFont& f = qfont();
    if (rightToLeft || f.underline() || f.strikeOut()) {
        p.setFont(f);
        p.drawText(QPoint(0, cellAscent()), text);
    } else {
        // Laid out once for this face and text; its top is one ascent above the baseline.
        p.setFont(f);
        p.drawStaticText(QPointF(0, cellAscent() - metrics().ascent()), face().laidOut(text));
    }
    p.restore();
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned format) {
    const QFontMetrics& fm = metrics();
    const TextMetrics m{[&fm](QStringView s) { return fm.horizontalAdvance(s.toString()); }, cellHeight(),
                        fm.averageCharWidth()};
    const int ascent = cellAscent();
    const TextLayout layout = layoutText(text, r, format, m);
    if (format & DT_CALCRECT) {
        r.Right = r.Left + layout.width;
        r.Bottom = r.Top + layout.height;
        return layout.height;
    }
    if (layout.lines.empty())
        return 0;
    QPainter& p = paint();
    p.save();
    if (!(format & DT_NOCLIP))
        p.setClipRect(toQRect(r), Qt::IntersectClip);
    if (format & DT_RTLREADING)
        p.setLayoutDirection(Qt::RightToLeft);
    p.setFont(qfont());
    const QColor textColor = qcolor(state_.font.Color);
    p.setPen(textColor);
    for (const TextLine& line : layout.lines) {
        if (state_.bkMode == TBkMode::Opaque)
            p.fillRect(QRect(line.x, line.y, line.width, m.lineHeight), qcolor(state_.bkColor));
        for (std::size_t i = 0; i < line.runs.size(); ++i) {
            const TextRun& run = line.runs[i];
            p.drawText(QPoint(line.x + run.x, line.y + ascent), run.text);
            if (static_cast<int>(i) == line.underlineRun) {
                const int ux = line.x + run.x + fm.horizontalAdvance(run.text.left(line.underlineChar));
                const int uw = fm.horizontalAdvance(run.text.mid(line.underlineChar, 1));
                p.fillRect(QRect(ux, line.y + ascent + 1, uw, 1), textColor);
            }
        }
    }
    p.restore();
    return layout.height;
}

TPoint TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics& fm = metrics();
    // One character needs no shaping: its advance comes straight from the font,
    // many times cheaper, and the animated heading measures letter by letter.
    const int width = text.size() == 1 ? fm.horizontalAdvance(text.front()) : fm.horizontalAdvance(text);
    return {width, cellHeight()};
}

}  // namespace pellax
