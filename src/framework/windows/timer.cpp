#include "framework/windows/timer.h"

#include "framework/windows/application.h"

namespace pellax {

TTimer::TTimer(TComponent* owner, QString name)
    : TComponent(owner, std::move(name)), ticker_(Application::instance().tickers().create([this](long long skipped) {
          if (!onTimer_ || hasState(ComponentState::Destroying))
              return;
          Application::instance().guard([&] {
              if (skipped > 0 && onLate_)
                  onLate_(skipped);
              onTimer_();
          });
      })) {
    ticker_->setInterval(interval_);
}

TTimer::~TTimer() { ticker_->setEnabled(false); }

void TTimer::SetParked(bool parked) {
    if (parked == ticker_->parked())
        return;
    ticker_->setParked(parked);
    if (!parked)
        CatchUp();
}

void TTimer::CatchUp() {
    const long long periods = ticker_->takeMissed();
    if (periods <= 0 || !onTimer_)
        return;
    Application::instance().guard([&] {
        if (onCatchUp_) {
            onCatchUp_(periods);
            return;
        }
        for (long long i = 0; i < periods; ++i)
            onTimer_();
    });
}

void TTimer::SetInterval(int ms) {
    // The periods counted so far were of the old length.
    CatchUp();
    interval_ = ms < 0 ? 0 : ms;
    ticker_->setInterval(interval_);
    update();
}

void TTimer::SetEnabled(bool enabled) {
    CatchUp();
    enabled_ = enabled;
    update();
}

void TTimer::SetOnTimer(std::function<void()> handler) {
    onTimer_ = std::move(handler);
    update();
}

void TTimer::update() { ticker_->setEnabled(enabled_ && onTimer_ != nullptr); }

}  // namespace pellax
