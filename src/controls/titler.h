#pragma once

#include "controls/titlermotion.h"
#include "framework/files/stringlist.h"
#include "framework/paint/bitmap.h"
#include "framework/widgets/panel.h"

#include <functional>
#include <optional>

namespace pellax {

class TTimer;
class TTitler;

// Called with the panel and the canvas of the frame being composed.
using TTitlerPaintEvent = std::function<void(TTitler& sender, TCanvas& canvas)>;

// A panel whose lines of text rise from its bottom edge to its top, over its
// colour, and start again from the bottom once the last one has left. Its own
// timer moves them Step pixels every Interval milliseconds, whether the panel
// is shown or not; each frame is composed off screen and copied in one piece.
// A tick the event loop delivers late moves them by every step it stands for,
// so they rise at their pace however busy the machine is.
//
// While the panel is not shown its timer is parked and the motion is caught up
// when it is shown or asked for, so a hidden panel costs no wake-ups.
class TTitler : public TCustomPanel {
    Q_OBJECT
public:
    explicit TTitler(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TTitler() override;

    TStringList& Titles() noexcept { return titles_; }
    void SetTitles(const QStringList& lines) { titles_.Assign(lines); }

    int Interval() const noexcept;
    void SetInterval(int ms);
    int Step() const noexcept { return motion_.Step(); }
    // A value below 1 or equal to the current one changes nothing.
    void SetStep(int step);
    int ScrollOffset();

    TTitlerPaintEvent OnPaintBefore;  // after the background, before the text
    TTitlerPaintEvent OnPaintAfter;   // after the text

protected:
    void Paint() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();
    void late(long long ticks);
    // Tells the children whose picture moves with each paint how many paints the ticks asked of them.
    void askPaints(long long paints);
    void drawTitles(TCanvas& canvas, TRect text);
    bool textBlockFits(int clientWidth, int lineHeight);

    TStringList titles_;
    TTimer& ScrollTimer;
    TitlerMotion motion_;

    // The lines as the opaque text mode draws them over Color, once, so that a
    // frame is a fill and a copy. What the picture depends on, to know when it
    // is out of date.
    struct TextBlockKey {
        int width = 0;
        int clientWidth = 0;
        int lineHeight = 0;
        TColor color = 0;
        TFont font;
        TAlignment alignment = taCenter;
        friend bool operator==(const TextBlockKey&, const TextBlockKey&) = default;
    };
    TBitmap textBlock_;
    std::optional<TextBlockKey> textBlockKey_;
};

}  // namespace pellax
