#pragma once

namespace pellax {

// A control whose picture moves on with every paint of it, such as the
// heading's colour walk. A panel whose ticks repaint its children tells them
// of every paint a tick asks for, those of the ticks a busy event loop skipped
// included. Paints then come fewer than asked (late ticks, and paints merged
// into one): the next paint moves the picture on by all that were asked, so
// that it keeps its pace in time as the panel keeps its own.
class PaintPaced {
public:
    virtual void PaintsAsked(long long paints) = 0;

protected:
    ~PaintPaced() = default;
};

}  // namespace pellax
