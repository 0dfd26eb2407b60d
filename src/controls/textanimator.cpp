#include "controls/textanimator.h"

#include "componentpack/colorutils.h"
#include "framework/windows/timer.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace pellax {

namespace {

// Marks a control as painting a copy of itself for as long as this lives.
class CopyMark {
public:
    explicit CopyMark(TControl* control) : control_(control), was_(control && control->PaintingCopy()) {
        if (control_)
            control_->SetPaintingCopy(true);
    }
    ~CopyMark() {
        if (control_)
            control_->SetPaintingCopy(was_);
    }
    CopyMark(const CopyMark&) = delete;
    CopyMark& operator=(const CopyMark&) = delete;

private:
    TControl* control_;
    bool was_;
};

}  // namespace

TTextAnimator::TTextAnimator(TComponent* owner, QWidget* parent, const QString& name)
    : TGraphicControl(owner, parent, name) {
    // It covers its whole area, so its own repaint needs none of its parent's first.
    SetControlStyle(ControlStyle() | csOpaque);
    reseedRandomFromClock();
    SetColor(clWindow);
    SetParentColor(true);
    TFont font;
    font.Name = QStringLiteral("Times New Roman");
    font.SetSize(10);
    font.Style = fsBold;
    SetFont(font);
    fontEdited_ = false;
    RebuildLayout(true);
    ResetColorWalk();
    SetActive(true);
}

TTextAnimator::~TTextAnimator() { SetActive(false); }

void TTextAnimator::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        AnimTimer = std::make_unique<TTimer>(this, QStringLiteral("AnimTimer"));
        AnimTimer->SetInterval(delay_);
        AnimTimer->SetOnTimer([this] { AdvanceSteps(); });
        // Unseen ticks paint nothing.
        AnimTimer->SetOnCatchUp([this](long long ticks) { letters_.Advance(step_, maxStep_, ticks); });
        // Each tick repaints the letters at once: the skipped ones owe their paints too.
        AnimTimer->SetOnLate([this](long long ticks) {
            letters_.Advance(step_, maxStep_, ticks);
            PaintsAsked(ticks);
        });
        AnimTimer->SetParked(!isVisible());
    } else {
        catchUp();
        AnimTimer.reset();
    }
}

void TTextAnimator::catchUp() {
    if (AnimTimer)
        AnimTimer->CatchUp();
}

const std::vector<int>& TTextAnimator::CharSteps() {
    catchUp();
    return letters_.CharSteps();
}

void TTextAnimator::showEvent(QShowEvent* event) {
    TGraphicControl::showEvent(event);
    if (AnimTimer)
        AnimTimer->SetParked(false);
}

void TTextAnimator::hideEvent(QHideEvent* event) {
    TGraphicControl::hideEvent(event);
    if (AnimTimer)
        AnimTimer->SetParked(true);
}

void TTextAnimator::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TTextAnimator::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    if (autoSize_)
        ApplyAutoSize();
}

void TTextAnimator::SetColorStart(TColor color) {
    if (color == colorStart_)
        return;
    colorStart_ = color;
    ResetColorWalk();
}

void TTextAnimator::SetColorStop(TColor color) {
    if (color == colorStop_)
        return;
    colorStop_ = color;
    ResetColorWalk();
}

void TTextAnimator::SetDelay(std::uint16_t ms) {
    if (ms == delay_)
        return;
    delay_ = ms;
    if (AnimTimer)
        AnimTimer->SetInterval(delay_);
}

void TTextAnimator::SetMaxStep(std::uint16_t maxStep) {
    if (maxStep == maxStep_)
        return;
    maxStep_ = maxStep;
    RebuildLayout(false);
    if (autoSize_)
        ApplyAutoSize();
    if (step_ > maxStep_)
        step_ = maxStep_;
}

void TTextAnimator::SetStep(std::uint16_t step) {
    catchUp();
    step_ = std::min(step, maxStep_);
}

void TTextAnimator::SetStyle(TTextAnimStyle style) {
    if (style == style_)
        return;
    style_ = style;
    RebuildLayout(false);
}

void TTextAnimator::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Invalidate();
}

void TTextAnimator::Loaded() {
    TGraphicControl::Loaded();
    if (autoSize_)
        ApplyAutoSize();
}

void TTextAnimator::TextChanged() {
    // Painted by the control itself, so it names itself after its text.
    setAccessibleName(Caption());
    RebuildLayout(true);
    if (autoSize_)
        ApplyAutoSize();
}

void TTextAnimator::FontChanged() {
    Invalidate();
    RebuildLayout(false);
    fontEdited_ = true;
    if (autoSize_)
        ApplyAutoSize();
}

void TTextAnimator::RebuildLayout(bool reallocate) {
    // The letters restart: the ticks not caught up belong to the old ones.
    catchUp();
    if (reallocate)
        charCount_ = static_cast<int>(Caption().size());
    letters_.Restart(style_, maxStep_, charCount_);
    TCanvas& canvas = FrameBitmap.Canvas();
    canvas.SetFont(Font());
    canvas.SetFontSize(measuringSize(Font().Size(), maxStep_));
    charWidths_.assign(static_cast<std::size_t>(charCount_), 0);
    totalWidth_ = 0;
    const QString& caption = Caption();
    for (int i = 0; i < charCount_ && i < caption.size(); ++i) {
        charWidths_[static_cast<std::size_t>(i)] = canvas.TextWidth(QString(caption[i]));
        totalWidth_ += charWidths_[static_cast<std::size_t>(i)];
    }
    cellHeight_ = canvas.TextHeight(QStringLiteral("X"));
}

void TTextAnimator::ResetColorWalk() { walk_.Reset(ColorToRGB(colorStart_), ColorToRGB(colorStop_)); }

void TTextAnimator::ApplyAutoSize() {
    if (isReading())
        return;
    SetBounds(Left(), Top(), totalWidth_, cellHeight_);
}

void TTextAnimator::AdvanceSteps() {
    letters_.Advance(step_, maxStep_);
    PaintsAsked(1);
    Repaint();
}

void TTextAnimator::PaintsAsked(long long paints) {
    if (paints > 0)
        paintsAsked_ += paints;
}

void TTextAnimator::Paint() {
    if (inPaint_)
        return;
    const QScopedValueRollback<bool> guard(inPaint_, true);
    const TRect client = ClientRect();
    FrameBitmap.SetSize(client.Width(), client.Height());
    if (FrameBitmap.Empty())
        return;
    // This paint stands for every one asked since the last: the others walk on unseen.
    const long long unpainted = std::exchange(paintsAsked_, 0) - 1;
    const long long letters = std::min<long long>(charCount_, Caption().size());
    if (colorAnimation_ && unpainted > 0 && letters > 0)
        walk_.Skip(unpainted, letters);
    DrawFrame(FrameBitmap.Canvas());
    Canvas().Draw(0, 0, FrameBitmap.image());
}

void TTextAnimator::DrawFrame(TCanvas& canvas) {
    catchUp();
    const TRect client = ClientRect();
    const TPoint origin = letterOrigin(alignment_, client.Width(), client.Height(), totalWidth_, cellHeight_);
    canvas.SetFont(Font());
    canvas.SetBrushColor(Color());
    if (transparent_) {
        CaptureParentImage(canvas);
        canvas.SetBrushStyle(TBrushStyle::bsClear);
    } else {
        canvas.FillRect(client);
        canvas.SetBrushStyle(TBrushStyle::bsSolid);
    }
    const QString& caption = Caption();
    const std::vector<int>& steps = letters_.CharSteps();
    const int size = Font().Size();
    int x = origin.X;
    for (int i = 0; i < charCount_ && i < caption.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (colorAnimation_)
            canvas.SetFontColor(walk_.Next());
        canvas.SetFontSize(size + steps[at]);
        canvas.TextOut(x, origin.Y, QString(caption[i]));
        x += charWidths_[at];
    }
}

void TTextAnimator::CaptureParentImage(TCanvas& canvas) {
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    auto* parentControl = qobject_cast<TControl*>(parent);
    const CopyMark parentMark(parentControl);
    const TRect own = BoundsRect();
    const QRect parentClient = parent->contentsRect();

    canvas.Save();
    canvas.MoveOrigin(-own.Left, -own.Top);
    canvas.IntersectClipRect(Bounds(0, 0, parentClient.width(), parentClient.height()));
    if (parentControl)
        parentControl->PaintInto(canvas);
    else
        paintWidgetInto(*parent, canvas);
    canvas.Restore();

    for (QObject* child : parent->children()) {
        if (child == this)
            break;
        auto* sibling = qobject_cast<TControl*>(child);
        if (!sibling || !sibling->IsLightweight() || !sibling->Visible())
            continue;
        const TRect bounds = sibling->BoundsRect();
        if (IntersectRect(bounds, own).IsEmpty())
            continue;
        const CopyMark siblingMark(sibling);
        canvas.Save();
        canvas.MoveOrigin(bounds.Left - own.Left, bounds.Top - own.Top);
        canvas.IntersectClipRect(Bounds(0, 0, bounds.Width(), bounds.Height()));
        sibling->PaintInto(canvas);
        canvas.Restore();
    }
}

}  // namespace pellax
