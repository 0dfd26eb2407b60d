#pragma once

#include "controls/titlermotion.h"
#include "framework/panel.h"
#include "framework/stringlist.h"

#include <functional>

namespace pellax {

class TTimer;
class TTitler;

// Called with the panel and the canvas of the frame being composed.
using TTitlerPaintEvent = std::function<void(TTitler& sender, TCanvas& canvas)>;

// A panel whose lines of text rise from its bottom edge to its top, over its
// colour, and start again from the bottom once the last one has left. Its own
// timer moves them Step pixels every Interval milliseconds, whether the panel
// is shown or not; each frame is composed off screen and copied in one piece.
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
    int ScrollOffset() const noexcept { return motion_.ScrollOffset(); }

    TTitlerPaintEvent OnPaintBefore;  // after the background, before the text
    TTitlerPaintEvent OnPaintAfter;   // after the text

protected:
    void Paint() override;

private:
    void tick();

    TStringList titles_;
    TTimer& ScrollTimer;
    TitlerMotion motion_;
};

}  // namespace pellax
