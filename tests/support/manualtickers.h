#pragma once

#include "framework/windows/ticker.h"

#include <cstddef>
#include <memory>

namespace pellax::test {

// Tickers that only tick when a test says so. Every test program installs one
// source of these at start, so that no timer ticks behind a test's back.
class ManualTickers final : public TickerSource {
public:
    ManualTickers();
    ~ManualTickers() override;

    std::unique_ptr<Ticker> create(Ticker::Callback onTick) override;

    // Lets `ms` milliseconds pass: each running ticker ticks once per full
    // period, in the order the tickers were made.
    void advance(int ms);
    // Lets `ms` milliseconds pass with the ticks held back, as a busy event
    // loop holds them: each running ticker then ticks once, late, for all the
    // full periods that passed, the others reported as skipped.
    void late(int ms);
    // One tick of every running ticker.
    void tickAll();
    std::size_t runningCount() const;

    struct Registry;

private:
    std::shared_ptr<Registry> registry_;
};

// The source every test program starts with.
ManualTickers& clock();

}  // namespace pellax::test
