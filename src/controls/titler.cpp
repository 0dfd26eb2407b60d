#include "controls/titler.h"

#include "componentpack/colorutils.h"
#include "controls/paintpaced.h"
#include "controls/titleraccessible.h"
#include "framework/paint/canvasscope.h"
#include "framework/windows/timer.h"

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
    installTitlerAccessibility();
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
    // Hidden, the text rises unseen: nothing to repaint.
    ScrollTimer.SetOnCatchUp([this](long long ticks) { motion_.Tick(ticks); });
    ScrollTimer.SetOnLate([this](long long ticks) { late(ticks); });
    ScrollTimer.SetParked(!isVisible());
    titles_.SetOnChange([this] {
        textBlockKey_.reset();
        Invalidate();
    });
    SetInterval(50);
}

TTitler::~TTitler() { titles_.SetOnChange({}); }

int TTitler::Interval() const noexcept { return ScrollTimer.Interval(); }

void TTitler::SetInterval(int ms) { ScrollTimer.SetInterval(ms); }

int TTitler::ScrollOffset() {
    ScrollTimer.CatchUp();
    return motion_.ScrollOffset();
}

void TTitler::SetStep(int step) {
    ScrollTimer.CatchUp();
    if (motion_.SetStep(step))
        Invalidate();
}

void TTitler::showEvent(QShowEvent* event) {
    TCustomPanel::showEvent(event);
    ScrollTimer.SetParked(false);
}

void TTitler::hideEvent(QHideEvent* event) {
    TCustomPanel::hideEvent(event);
    ScrollTimer.SetParked(true);
}

void TTitler::tick() {
    motion_.Tick();
    askPaints(1);
    Invalidate();
}

// The ticks a busy event loop held back: the text rises by their steps, and
// the children every tick repaints are owed their paints, all made up in the
// one paint of the tick that came.
void TTitler::late(long long ticks) {
    motion_.Tick(ticks);
    askPaints(ticks);
}

void TTitler::askPaints(long long paints) {
    for (QObject* child : children()) {
        auto* control = qobject_cast<TControl*>(child);
        auto* paced = dynamic_cast<PaintPaced*>(child);
        if (control && paced && control->IsLightweight() && control->isVisible())
            paced->PaintsAsked(paints);
    }
}

void TTitler::drawTitles(TCanvas& canvas, TRect text) {
    canvas.DrawText(titles_.Text(), text, DT_TOP | alignmentFormat(Alignment()) | DT_EXPANDTABS | DT_NOPREFIX);
}

// Makes the picture of the lines when it is missing or out of date; false when
// the lines are too many to keep as one picture.
bool TTitler::textBlockFits(int clientWidth, int lineHeight) {
    constexpr long long kLargestBlock = 4096;
    const long long height = static_cast<long long>(lineHeight) * titles_.Count();
    if (height <= 0 || height > kLargestBlock || clientWidth <= 0)
        return false;
    const TextBlockKey key{Width(), clientWidth, lineHeight, ColorToRGB(Color()), Font(), Alignment()};
    if (textBlockKey_ == key)
        return true;
    textBlock_.SetSize(clientWidth, static_cast<int>(height));
    TCanvas& canvas = textBlock_.Canvas();
    canvas.SetBrushColor(Color());
    canvas.FillRect(Bounds(0, 0, clientWidth, static_cast<int>(height)));
    canvas.SetBkMode(TBkMode::Opaque);
    canvas.SetFont(Font());
    const TRect whole = titlerTextRect(Width(), 0, static_cast<int>(height) + 1, 0);
    drawTitles(canvas, whole);
    textBlockKey_ = key;
    return true;
}

void TTitler::Paint() {
    ScrollTimer.CatchUp();
    const TRect client = ClientRect();
    // The frame is composed where it is asked for: all of it on screen, the
    // part behind it when the heading captures the panel.
    const TRect part = IntersectRect(client, PaintRect());
    if (part.IsEmpty())
        return;
    // What a paint draws on is off screen already (the window's back buffer,
    // or the picture a transparent child captures), and reaches the screen in
    // one piece. Paint handlers get a bitmap of their own, so that they can
    // read the frame as it is being composed.
    std::optional<TBitmap> frame;
    if (OnPaintBefore || OnPaintAfter)
        frame.emplace(part.Width(), part.Height());
    TCanvas& canvas = frame ? frame->Canvas() : Canvas();
    // Restored on every way out, a paint handler that throws included.
    const ScopedCanvasState kept(canvas);
    canvas.MoveOrigin(frame ? -part.Left : 0, frame ? -part.Top : 0);
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
    const TRect text = titlerTextRect(Width(), Height(), client.Bottom, motion_.ScrollOffset());
    if (!text.IsEmpty()) {
        if (OnPaintBefore || !textBlockFits(client.Width(), lineHeight)) {
            drawTitles(canvas, text);
        } else {
            // The picture of the lines, placed where they are now and cut to the text rectangle.
            const TRect shown = IntersectRect(text, Bounds(0, text.Top, textBlock_.Width(), textBlock_.Height()));
            canvas.CopyRect(shown, textBlock_.image(), OffsetRect(shown, 0, -text.Top));
        }
    }
    canvas.SetBkMode(mode);
    if (OnPaintAfter)
        OnPaintAfter(*this, canvas);
    if (frame)
        Canvas().Draw(part.Left, part.Top, frame->image());
}

}  // namespace pellax
