#include "framework/component.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellax {
namespace {

class Probe : public TComponent {
public:
    Probe(TComponent* owner, const QString& name, std::vector<QString>* log) : TComponent(owner, name), log_(log) {}
    ~Probe() override { log_->push_back(QStringLiteral("free ") + Name()); }
    std::vector<TComponent*> removed;

protected:
    void Loaded() override {
        TComponent::Loaded();
        log_->push_back(QStringLiteral("loaded ") + Name());
    }
    void Notification(TComponent* c, Operation op) override {
        TComponent::Notification(c, op);
        if (op == Operation::Remove)
            removed.push_back(c);
    }

private:
    std::vector<QString>* log_;
};

TEST(Component, LoadingEndsWithLoadedOnChildrenThenOwner) {
    std::vector<QString> log;
    {
        Probe form(nullptr, QStringLiteral("form"), &log);
        Probe& a = form.own(std::make_unique<Probe>(&form, QStringLiteral("a"), &log));
        Probe& b = form.own(std::make_unique<Probe>(&form, QStringLiteral("b"), &log));
        form.BeginLoading();
        EXPECT_TRUE(a.isLoading());
        EXPECT_TRUE(b.isLoading());
        form.EndLoading();
        form.EndLoading();  // a second end changes nothing
        EXPECT_FALSE(form.isLoading());
        EXPECT_EQ(form.FindComponent(QStringLiteral("B")), &b);
        EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("loaded a"), QStringLiteral("loaded b"),
                                             QStringLiteral("loaded form")}));
        log.clear();
    }
    // Owned components go newest first, before their owner.
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("free form"), QStringLiteral("free b"), QStringLiteral("free a")}));
}

TEST(Component, ComponentsMadeWhileTheOwnerLoadsAreLoadedWithIt) {
    std::vector<QString> log;
    Probe form(nullptr, QStringLiteral("form"), &log);
    form.BeginLoading();
    Probe& late = form.own(std::make_unique<Probe>(&form, QStringLiteral("late"), &log));
    EXPECT_TRUE(late.isLoading());
    EXPECT_TRUE(late.isReading());
    form.EndLoading();
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("loaded late"), QStringLiteral("loaded form")}));
    // After loading, a new component is just made.
    EXPECT_FALSE(form.own(std::make_unique<Probe>(&form, QStringLiteral("after"), &log)).isLoading());
    log.clear();
}

TEST(Component, SiblingsAreToldWhenOneGoes) {
    std::vector<QString> log;
    Probe form(nullptr, QStringLiteral("form"), &log);
    Probe& keeper = form.own(std::make_unique<Probe>(&form, QStringLiteral("keeper"), &log));
    {
        Probe temporary(&form, QStringLiteral("temporary"), &log);
        EXPECT_EQ(form.Components().size(), 2u);
    }
    EXPECT_EQ(form.Components().size(), 1u);
    ASSERT_EQ(keeper.removed.size(), 1u);
    ASSERT_EQ(form.removed.size(), 1u);
}

}  // namespace
}  // namespace pellax
