#include "framework/widgets/bitbtn.h"

#include "framework/paint/bitmap.h"
#include "framework/windows/application.h"
#include "framework/windows/form.h"

#include <QIcon>
#include <QPixmap>

#include <array>

namespace pellax {

namespace {

constexpr int kGlyphSize = 18;
// The glyphs are drawn on this colour, which becomes transparent.
constexpr TColor kGlyphKey = 0x008080;  // olive

// The check mark: a short stroke down to the right, a long one up to the right.
constexpr std::array<TPoint, 6> kCheck = {{{2, 9}, {5, 9}, {7, 11}, {14, 4}, {16, 6}, {7, 15}}};

QImage keyedOut(const QImage& picture, QRgb key) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == (key & 0xFFFFFFu))
                line[x] = 0;
        }
    }
    return out;
}

QImage okGlyph(bool disabled) {
    TBitmap bitmap(kGlyphSize, kGlyphSize);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetBrushColor(kGlyphKey);
    canvas.FillRect(Bounds(0, 0, kGlyphSize, kGlyphSize));
    canvas.SetPenStyle(TPenStyle::psClear);
    if (disabled) {
        // Embossed in the desktop's 3-D colours: a light copy one pixel down and
        // right, the shape itself in the shadow colour over it.
        std::array<TPoint, kCheck.size()> moved = kCheck;
        for (TPoint& p : moved)
            p = {p.X + 1, p.Y + 1};
        canvas.SetBrushColor(clBtnHighlight);
        canvas.Polygon(moved);
        canvas.SetBrushColor(clBtnShadow);
        canvas.Polygon(kCheck);
    } else {
        canvas.SetBrushColor(0x008000);  // green
        canvas.Polygon(kCheck);
    }
    return keyedOut(bitmap.image(), toQColor(kGlyphKey).rgb());
}

}  // namespace

QImage bitBtnGlyph(TBitBtnKind kind, bool disabled) {
    switch (kind) {
    case TBitBtnKind::bkOK: return okGlyph(disabled);
    case TBitBtnKind::bkCustom: break;
    }
    return {};
}

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (modalResult_ == mrNone)
            return;
        if (auto* form = qobject_cast<TForm*>(window()))
            Application::instance().guard([form, result = modalResult_] { form->SetModalResult(result); });
    });
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    if (kind == TBitBtnKind::bkCustom)
        return;
    setText(QStringLiteral("OK"));
    setAccessibleName(QStringLiteral("OK"));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(bitBtnGlyph(kind, false)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(bitBtnGlyph(kind, true)), QIcon::Disabled);
    setIcon(icon);
    setIconSize(QSize(kGlyphSize, kGlyphSize));
    setDefault(true);
    modalResult_ = mrOk;
}

}  // namespace pellax
