#include "controls/label.h"

#include "componentpack/effecttext.h"
#include "framework/paint/canvas.h"
#include "framework/paint/textlayout.h"
#include "framework/widgets/accessiblefactory.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace pellax {

namespace {

// Screen readers hear a pack label as static text named by its caption.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(TROBaseLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
};

void installLabelAccessibility() { installAccessibleOnce<TROBaseLabel, LabelAccessible>(); }

// Clears Painting however a paint ends.
class PaintingGuard {
public:
    explicit PaintingGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~PaintingGuard() { flag_ = false; }
    PaintingGuard(const PaintingGuard&) = delete;
    PaintingGuard& operator=(const PaintingGuard&) = delete;

private:
    bool& flag_;
};

constexpr TSender senderOf(const TROObject& object) { return &object; }

// DrawEffectText's flag for a disabled owner, the counterpart of etEnabled.
constexpr std::uint16_t kDisabled = 0x0001;

}  // namespace

TROBaseLabel::TROBaseLabel(TComponent* owner, QWidget* parent, const QString& name)
    : TROBaseGraphicControl(owner, parent, name) {
    installLabelAccessibility();
    SetControlStyle(ControlStyle() | csReplicatable);
    Canvas().SetFont(Font());
}

TROBaseLabel::~TROBaseLabel() = default;

void TROBaseLabel::SetShowAccelChar(bool show) {
    if (show == showAccelChar_)
        return;
    showAccelChar_ = show;
    setAccessibleName(showAccelChar_ ? withoutAccelMarks(Caption()) : Caption());
    Redraw();
}

void TROBaseLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustBounds();
}

void TROBaseLabel::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_)
        return;
    wordWrap_ = wrap;
    PropertyChanged(nullptr);
}

void TROBaseLabel::SetAlignment(TROAlignment alignment) {
    if (alignment == alignment_ || alignment > agBottomRight)
        return;
    alignment_ = alignment;
    PropertyChanged(nullptr);
}

void TROBaseLabel::SetFocusControl(QWidget* control) {
    if (control == focusControl_.data())
        return;
    if (focusComponent_)
        RemoveFreeNotification(focusComponent_);
    focusControl_ = control;
    // A control of the window's owner tree says when it goes; any other widget
    // is followed by the guarded pointer.
    focusComponent_ = dynamic_cast<TComponent*>(control);
    if (focusComponent_)
        FreeNotification(focusComponent_);
}

void TROBaseLabel::PropertyChanged(TSender) {
    AdjustBounds();
    Redraw();
}

bool TROBaseLabel::captionBlank() const { return Caption().trimmed().isEmpty(); }

bool TROBaseLabel::NothingToPaint() const { return Transparent() && captionBlank(); }

bool TROBaseLabel::DialogChar(QChar key) {
    QWidget* target = focusControl_.data();
    if (!showAccelChar_ || !target || !Enabled() || !IsAccel(key, Caption()) || !canFocus(*target))
        return false;
    target->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TROBaseLabel::FontChanged(TSender sender) {
    if (isLoading())
        return;
    if (sender == fontSender())
        SetParentFont(false);
    if (!isReading())
        Canvas().SetFont(Font());
    PropertyChanged(nullptr);
}

void TROBaseLabel::FontChanged() { FontChanged(fontSender()); }

void TROBaseLabel::TextChanged() {
    setAccessibleName(showAccelChar_ ? withoutAccelMarks(Caption()) : Caption());
    AdjustBounds();
    Redraw();
}

void TROBaseLabel::Loaded() {
    TROBaseGraphicControl::Loaded();
    Canvas().SetFont(Font());
    AdjustBounds();
}

void TROBaseLabel::Notification(TComponent* component, Operation operation) {
    TROBaseGraphicControl::Notification(component, operation);
    if (operation == Operation::Remove && component && component == focusComponent_) {
        focusComponent_ = nullptr;
        focusControl_ = nullptr;
    }
}

TROCustomLabel::TROCustomLabel(TComponent* owner, QWidget* parent, const QString& name)
    : TROBaseLabel(owner, parent, name) {
    bevel_.OnChange = [this](TROObject& sender) { PropertyChanged(senderOf(sender)); };
    fontFx_.OnChange = [this](TROObject& sender) { FontChanged(senderOf(sender)); };
}

TROCustomLabel::~TROCustomLabel() {
    fontFx_.OnChange = nullptr;
    bevel_.OnChange = nullptr;
}

bool TROCustomLabel::NothingToPaint() const { return TROBaseLabel::NothingToPaint() && bevel_.OverallWidth() == 0; }

bool TROCustomLabel::canvasFontIsTrueType() { return IsTrueTypeFont(Canvas()); }

void TROCustomLabel::FontChanged(TSender sender) {
    if (isLoading())
        return;
    if (sender == fontSender())
        SetParentFont(false);
    Canvas().SetFont(Font());
    if (fontFx_.Angle() != 0 && !canvasFontIsTrueType()) {
        if (sender == fontSender()) {
            // A font that cannot turn drops the turn.
            fontFx_.SetAngle(0);
        } else if (sender == senderOf(fontFx_)) {
            // A turn asks for a font that can; the font change comes back here.
            TFont font = Font();
            font.Name = QStringLiteral("Tahoma");
            SetFont(font);
            return;
        }
    }
    PropertyChanged(sender);
}

void TROCustomLabel::AdjustBounds() {
    if (!AutoSize() || isLoading())
        return;
    TRect r = ClientRect();
    MeasureEffectText(Canvas(), Caption(), fontFx_, r, Font(), WordWrap(), ShowAccelChar(), bevel_.OverallWidth());
    SetBounds(Left(), Top(), r.Right, r.Bottom);
}

TRect TROCustomLabel::AlignTextRect(const TRect& r) {
    TRect m{r.Left, r.Top, r.Right - 1, r.Bottom};
    TCanvas measuring;
    MeasureEffectText(measuring, Caption(), fontFx_, m, Font(), WordWrap(), ShowAccelChar(), 0);
    return alignedBlock(r, m.Width(), m.Height(), Alignment());
}

void TROCustomLabel::Paint() {
    if (Painting || isLoading())
        return;
    if (NothingToPaint()) {
        TROBaseGraphicControl::Paint();
        return;
    }
    const PaintingGuard guard(Painting);
    TCanvas& canvas = Canvas();
    if (!Transparent())
        FillBackground();
    TRect r = ClientRect();
    std::uint16_t flags = Enabled() ? etEnabled : kDisabled;
    std::optional<TRect> clip;
    if (bevel_.OverallWidth() != 0) {
        const bool skipBorderFill = bevel_.BorderColor() == Color() || Transparent();
        r = bevel_.Draw(canvas, r, skipBorderFill);
        // The canvas clips in its own coordinates, whose origin is the label's corner.
        clip = r;
        flags |= etClip;
    }
    const LabelTextLayout layout = labelTextLayout(Alignment(), AutoSize(), WordWrap(), fontFx_.Angle(),
                                                   ShowAccelChar(), layoutDirection() == Qt::RightToLeft);
    if (layout.placeByRect)
        r = AlignTextRect(r);
    canvas.SetBrushColor(Color());
    canvas.SetFontColor(Font().Color);
    DrawEffectText(canvas, Caption(), &fontFx_, r, layout.format, flags, clip);
}

}  // namespace pellax
