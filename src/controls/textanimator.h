#pragma once

#include "controls/paintpaced.h"
#include "controls/textanimation.h"
#include "framework/paint/alignment.h"
#include "framework/paint/bitmap.h"
#include "framework/windows/control.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pellax {

class TTimer;

// One line of text, its Caption, drawn letter by letter: every letter swells and
// shrinks between the font size and MaxStep points above it (Style gives the
// starting pattern), and the letters' colour runs from ColorStart to ColorStop
// and back, one position per painted letter. Transparent, it shows its parent's
// picture and the lightweight controls below it behind the letters, captured
// afresh at every paint. While it is not shown its timer is parked and the
// letters catch up when it is shown or asked for. Its own ticks and those of a
// panel it sits on ask for a paint each; where paints come fewer (a tick that
// came late, paints merged into one), the next one walks the colours on by all
// that were asked, so that the walk keeps its pace on a busy machine.
class TTextAnimator : public TGraphicControl, public PaintPaced {
    Q_OBJECT
public:
    explicit TTextAnimator(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TTextAnimator() override;

    static QString Version() { return QStringLiteral("1.3"); }
    static QString Author() { return QStringLiteral("The Pellax component developers"); }
    static QString EMail() { return QStringLiteral("components@pellax.example"); }
    static QString Homepage() { return QStringLiteral("http://www.pellax.example/components/"); }

    bool Active() const noexcept { return active_; }
    void SetActive(bool active);
    TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool ColorAnimation() const noexcept { return colorAnimation_; }
    void SetColorAnimation(bool on) noexcept { colorAnimation_ = on; }
    TColor ColorStart() const noexcept { return colorStart_; }
    void SetColorStart(TColor color);
    TColor ColorStop() const noexcept { return colorStop_; }
    void SetColorStop(TColor color);
    std::uint16_t Delay() const noexcept { return delay_; }
    void SetDelay(std::uint16_t ms);
    std::uint16_t MaxStep() const noexcept { return maxStep_; }
    void SetMaxStep(std::uint16_t maxStep);
    std::uint16_t Step() const noexcept { return step_; }
    // Clamped to MaxStep.
    void SetStep(std::uint16_t step);
    TTextAnimStyle Style() const noexcept { return style_; }
    void SetStyle(TTextAnimStyle style);
    bool Transparent() const noexcept { return transparent_; }
    void SetTransparent(bool transparent);
    // The font was changed after construction, so a description would store it.
    bool FontEdited() const noexcept { return fontEdited_; }

    // The layout, measured at one size when it was last rebuilt.
    int CharCount() const noexcept { return charCount_; }
    const std::vector<int>& CharWidths() const noexcept { return charWidths_; }
    const std::vector<int>& CharSteps();
    int TotalWidth() const noexcept { return totalWidth_; }
    int CellHeight() const noexcept { return cellHeight_; }
    const ColorWalk& colorWalk() const noexcept { return walk_; }
    bool hasAnimTimer() const noexcept { return AnimTimer != nullptr; }

    // A tick of the animation: every letter takes a step, then the control is repainted at once.
    void AdvanceSteps();
    // Composes a frame of the client size onto `canvas`.
    void DrawFrame(TCanvas& canvas);
    // Counts paints asked for by the ticks that repaint the heading; the next
    // paint walks the colours on by all of them, itself included.
    void PaintsAsked(long long paints) override;

protected:
    void Loaded() override;
    void Paint() override;
    void FontChanged() override;
    void TextChanged() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void catchUp();
    void RebuildLayout(bool reallocate);
    void ResetColorWalk();
    void ApplyAutoSize();
    void CaptureParentImage(TCanvas& canvas);

    std::uint16_t delay_ = 70;
    bool active_ = false;
    bool autoSize_ = true;
    TAlignment alignment_ = taCenter;
    std::uint16_t maxStep_ = 20;
    std::uint16_t step_ = 2;
    bool colorAnimation_ = true;
    TColor colorStart_ = clYellow;
    TColor colorStop_ = clRed;
    TTextAnimStyle style_ = taWind;
    bool transparent_ = true;
    std::vector<int> charWidths_;
    LetterSteps letters_;
    int totalWidth_ = 0;
    int cellHeight_ = 0;
    int charCount_ = 0;
    std::unique_ptr<TTimer> AnimTimer;
    bool fontEdited_ = false;
    ColorWalk walk_;
    TBitmap FrameBitmap;
    bool inPaint_ = false;
    long long paintsAsked_ = 0;
};

}  // namespace pellax
