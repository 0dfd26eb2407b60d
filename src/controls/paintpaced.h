#pragma once

namespace pellax {

// A control whose picture moves on with every paint of it, such as the
// heading's colour walk. A panel that repaints its children at each tick tells
// them how many paints a late tick left out, so that they keep their pace in
// time as the panel keeps its own.
class PaintPaced {
public:
    virtual void PaintsMissed(long long paints) = 0;

protected:
    ~PaintPaced() = default;
};

}  // namespace pellax
