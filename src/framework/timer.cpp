#include "framework/timer.h"

#include "framework/application.h"

namespace pellax {

TTimer::TTimer(TComponent* owner, QString name)
    : TComponent(owner, std::move(name)), ticker_(Application::instance().tickers().create([this] {
          if (onTimer_ && !hasState(ComponentState::Destroying))
              Application::instance().guard(onTimer_);
      })) {
    ticker_->setInterval(interval_);
}

TTimer::~TTimer() { ticker_->setEnabled(false); }

void TTimer::SetInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    ticker_->setInterval(interval_);
    update();
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    update();
}

void TTimer::SetOnTimer(std::function<void()> handler) {
    onTimer_ = std::move(handler);
    update();
}

void TTimer::update() { ticker_->setEnabled(enabled_ && onTimer_ != nullptr); }

}  // namespace pellax
