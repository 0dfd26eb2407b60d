#include "controls/titler.h"

#include "framework/bitmap.h"
#include "framework/timer.h"

namespace pellax {

namespace {

unsigned alignmentFormat(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    }
    return DT_LEFT;
}

}  // namespace

TTitler::TTitler(TComponent* owner, QWidget* parent, const QString& name)
    : TCustomPanel(owner, parent, name), ScrollTimer(make<TTimer>(QStringLiteral("ScrollTimer"))) {
    // Every frame covers the whole client area: nothing is erased before it.
    SetControlStyle(ControlStyle() | csOpaque);
    setAccessibleName(QStringLiteral("Credits"));
    SetAlignment(taCenter);
    SetBevelOuter(TBevelCut::bvNone);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetColor(clBlack);
    SetBounds(Left(), Top(), 50, 50);
    TFont font = Font();
    font.Color = clLime;
    SetFont(font);
    ScrollTimer.SetOnTimer([this] { tick(); });
    titles_.SetOnChange([this] { Invalidate(); });
    SetInterval(50);
}

TTitler::~TTitler() { titles_.SetOnChange({}); }

int TTitler::Interval() const noexcept { return ScrollTimer.Interval(); }

void TTitler::SetInterval(int ms) { ScrollTimer.SetInterval(ms); }

void TTitler::SetStep(int step) {
    if (motion_.SetStep(step))
        Invalidate();
}

void TTitler::tick() {
    motion_.Tick();
    Invalidate();
}

void TTitler::Paint() {
    const TRect client = ClientRect();
    TBitmap frame(client.Width(), client.Height());
    if (frame.Empty())
        return;
    TCanvas& canvas = frame.Canvas();
    canvas.SetBrushColor(Color());
    canvas.FillRect(client);
    const TBkMode mode = canvas.BkMode();
    if (OnPaintBefore) {
        OnPaintBefore(*this, canvas);
        canvas.SetBkMode(TBkMode::Transparent);
    } else {
        // Each text cell is first filled with the colour of the last solid fill.
        canvas.SetBkMode(TBkMode::Opaque);
    }
    canvas.SetFont(Font());
    const int lineHeight = canvas.TextHeight(QStringLiteral("0"));
    motion_.Wrap(lineHeight, titles_.Count(), Height());
    TRect text = titlerTextRect(Width(), Height(), client.Bottom, motion_.ScrollOffset());
    if (!text.IsEmpty())
        canvas.DrawText(titles_.Text(), text, DT_TOP | alignmentFormat(Alignment()) | DT_EXPANDTABS | DT_NOPREFIX);
    canvas.SetBkMode(mode);
    if (OnPaintAfter)
        OnPaintAfter(*this, canvas);
    Canvas().Draw(0, 0, frame.image());
}

}  // namespace pellax
