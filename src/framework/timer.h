#pragma once

#include "framework/component.h"
#include "framework/ticker.h"

#include <functional>
#include <memory>

namespace pellax {

// A window timer: calls OnTimer every Interval milliseconds while Enabled, on
// the GUI thread and through the application's guard. Interval 0, no handler or
// Enabled false: no ticks. Its clock comes from the application's ticker source.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner, QString name = {});
    ~TTimer() override;

    int Interval() const noexcept { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    void SetOnTimer(std::function<void()> handler);

    const Ticker& ticker() const noexcept { return *ticker_; }

private:
    void update();

    std::unique_ptr<Ticker> ticker_;
    std::function<void()> onTimer_;
    int interval_ = 1000;
    bool enabled_ = true;
};

}  // namespace pellax
