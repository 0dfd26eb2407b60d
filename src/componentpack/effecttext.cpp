#include "componentpack/effecttext.h"

#include <QHash>
#include <QRawFont>

#include <algorithm>
#include <limits>

namespace pellax {

namespace {

std::uint16_t toOffset(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, int{std::numeric_limits<std::uint16_t>::max()}));
}

}  // namespace

void DrawEffectText(TCanvas& canvas, const QString& fullText, const TRO3DCaption* caption, const TRect& rect,
                    unsigned format, std::uint16_t flags, const std::optional<TRect>& clipRect) {
    const QString text = fullText.left(kMaxEffectText);
    if (text.isEmpty() || rect.IsEmpty())
        return;
    if (!caption) {
        TRect r = rect;
        canvas.DrawText(text, r, format);
        return;
    }
    const int kind = effectKind(*caption);
    const bool clip = (flags & etClip) != 0;
    if (clip)
        canvas.IntersectClipRect(clipRect.value_or(rect));

    const EffectPlan plan = planEffectText(*caption, flags, canvas.Font().Color, canvas.Brush().Color);
    const TFont entryFont = canvas.Font();
    TRect work = rect;
    if (kind != 0) {
        const auto& fx = static_cast<const TROFxCaption&>(*caption);
        if (kind == 2) {
            TFont turned = entryFont;
            turned.Orientation = fx.Angle() * 10;
            canvas.SetFont(turned);
        }
        work.Left += fx.PosX();
        work.Top += fx.PosY();
    }
    const bool tracing = caption->Tracing() != 0;
    if (tracing)
        canvas.SetTextCharacterExtra(caption->Tracing());
    canvas.SetBrushStyle(TBrushStyle::bsClear);

    work.Right -= plan.rightReduction;
    for (const EffectCopy& copy : plan.copies()) {
        canvas.SetFontColor(copy.color);
        if (kind == 2) {
            work.Left += copy.move;
            work.Top += copy.move;
            canvas.TextOut(work.Left, work.Top, text, (format & DT_RTLREADING) != 0);
        } else {
            if (copy.move != 0)
                work = OffsetRect(work, copy.move, copy.move);
            TRect r = work;
            canvas.DrawText(text, r, format);
        }
    }

    if (clip)
        canvas.RemoveClip();
    if (tracing)
        canvas.SetTextCharacterExtra(0);
    canvas.SetFont(entryFont);
}

void MeasureEffectText(TCanvas& canvas, const QString& fullText, TRO3DCaption& caption, TRect& rect, const TFont& font,
                       bool wordWrap, bool showAccelChar, int borderWidth) {
    const QString text = fullText.left(kMaxEffectText);
    canvas.SetFont(font);
    const int entryExtra = canvas.TextCharacterExtra();
    canvas.SetTextCharacterExtra(caption.Tracing());

    const TROThreeDStyle style = caption.Style();
    const int light = caption.LightDepth();
    const int shadow = caption.ShadowDepth();
    const int margin = depthMargin(style, light, shadow);
    const int kind = effectKind(caption);
    if (kind != 2) {
        if (kind == 1)
            static_cast<TROFxCaption&>(caption).SetPos(0, 0);
        QString measured = text;
        if (measured.isEmpty() || (showAccelChar && measured == QStringLiteral("&")))
            measured = QStringLiteral(" ");
        unsigned bits = DT_CALCRECT | DT_EXPANDTABS;
        if (wordWrap)
            bits |= DT_WORDBREAK;
        if (!showAccelChar)
            bits |= DT_NOPREFIX;
        canvas.DrawText(measured, rect, bits);
        rect.Right += margin;
        rect.Bottom += margin;
    } else {
        auto& fx = static_cast<TROFxCaption&>(caption);
        const TPoint extent = canvas.TextExtent(text);
        rect = rotatedBounds(Rect(0, 0, extent.X + margin, extent.Y + margin), fx.Angle());
        const TPoint start =
            rotatedTextStart(rect, extent.X, extent.Y, fx.Angle(), rotatedStartInset(style, light, shadow));
        fx.SetPosX(toOffset(start.X));
        fx.SetPosY(toOffset(start.Y));
    }
    const int border = 2 * (borderWidth + 1);
    rect.Right += border;
    rect.Bottom += border;
    canvas.SetTextCharacterExtra(entryExtra);
}

bool isTrueTypeOutline(const QRawFont& font) {
    if (!font.isValid())
        return false;
    return !font.fontTable("glyf").isEmpty() || !font.fontTable("CFF ").isEmpty() ||
           !font.fontTable("CFF2").isEmpty();
}

bool IsTrueTypeFont(const TCanvas& canvas) {
    // The answer belongs to the font file, which does not change while the program runs.
    static QHash<QString, bool> known;
    const QFont& font = canvas.qfont();
    const QString key = font.key();
    const auto it = known.constFind(key);
    if (it != known.constEnd())
        return it.value();
    const bool trueType = isTrueTypeOutline(QRawFont::fromFont(font));
    known.insert(key, trueType);
    return trueType;
}

}  // namespace pellax
