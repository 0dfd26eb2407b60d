#include "support/manualtickers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pellax::test {

namespace {

class ManualTicker;

}  // namespace

struct ManualTickers::Registry {
    std::vector<ManualTicker*> live;
};

namespace {

class ManualTicker final : public Ticker {
public:
    ManualTicker(Callback onTick, std::shared_ptr<ManualTickers::Registry> registry)
        : onTick_(std::move(onTick)), registry_(std::move(registry)) {
        registry_->live.push_back(this);
    }
    ~ManualTicker() override {
        auto& live = registry_->live;
        live.erase(std::remove(live.begin(), live.end(), this), live.end());
    }

    void setInterval(int ms) override {
        count();
        interval_ = ms < 0 ? 0 : ms;
        elapsed_ = 0;
    }
    int interval() const noexcept override { return interval_; }
    void setEnabled(bool enabled) override {
        count();
        if (enabled != enabled_)
            elapsed_ = 0;
        enabled_ = enabled;
    }
    bool enabled() const noexcept override { return enabled_; }

    void setParked(bool parked) override {
        count();
        parked_ = parked;
    }
    bool parked() const noexcept override { return parked_; }
    long long takeMissed() override {
        count();
        return std::exchange(missed_, 0);
    }

    // Ticks for `ms` more milliseconds, once per period or, `held`, once late
    // for them all; a parked ticker only counts them.
    void pass(int ms, bool held, const std::shared_ptr<ManualTickers::Registry>& registry) {
        elapsed_ += ms;
        if (parked_)
            return;
        if (held && running() && elapsed_ >= interval_) {
            const long long periods = elapsed_ / interval_;
            elapsed_ %= interval_;
            onTick_(periods - 1);
            return;
        }
        while (running() && elapsed_ >= interval_) {
            elapsed_ -= interval_;
            onTick_(0);
            if (std::find(registry->live.begin(), registry->live.end(), this) == registry->live.end())
                return;
        }
    }

private:
    void count() {
        if (parked_ && running()) {
            missed_ += elapsed_ / interval_;
            elapsed_ %= interval_;
        }
    }

    Callback onTick_;
    std::shared_ptr<ManualTickers::Registry> registry_;
    int interval_ = 0;
    long long elapsed_ = 0;
    long long missed_ = 0;
    bool enabled_ = false;
    bool parked_ = false;
};

// Tickers made or freed by a tick are looked up again before each call.
template <class F>
void forEachLive(const std::shared_ptr<ManualTickers::Registry>& registry, F&& f) {
    const std::vector<ManualTicker*> snapshot = registry->live;
    for (ManualTicker* t : snapshot) {
        if (std::find(registry->live.begin(), registry->live.end(), t) != registry->live.end())
            f(*t);
    }
}

}  // namespace

ManualTickers::ManualTickers() : registry_(std::make_shared<Registry>()) {}

ManualTickers::~ManualTickers() = default;

std::unique_ptr<Ticker> ManualTickers::create(Ticker::Callback onTick) {
    return std::make_unique<ManualTicker>(std::move(onTick), registry_);
}

void ManualTickers::advance(int ms) {
    forEachLive(registry_, [&](ManualTicker& t) { t.pass(ms, false, registry_); });
}

void ManualTickers::late(int ms) {
    forEachLive(registry_, [&](ManualTicker& t) { t.pass(ms, true, registry_); });
}

void ManualTickers::tickAll() {
    forEachLive(registry_, [&](ManualTicker& t) {
        if (t.running())
            t.pass(t.interval(), false, registry_);
    });
}

std::size_t ManualTickers::runningCount() const {
    return static_cast<std::size_t>(
        std::count_if(registry_->live.begin(), registry_->live.end(), [](const ManualTicker* t) { return t->running(); }));
}

}  // namespace pellax::test
