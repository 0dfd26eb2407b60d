#include "framework/windows/component.h"
#include "framework/windows/filer.h"

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

TEST(Component, FreeNotificationReachesAcrossOwnersEitherWay) {
    std::vector<QString> log;
    Probe watcher(nullptr, QStringLiteral("watcher"), &log);
    {
        Probe watched(nullptr, QStringLiteral("watched"), &log);
        watcher.FreeNotification(&watched);
        watcher.FreeNotification(&watched);  // once is enough
    }
    ASSERT_EQ(watcher.removed.size(), 1u);

    // Whichever goes first, the other is not left pointing at it.
    auto first = std::make_unique<Probe>(nullptr, QStringLiteral("first"), &log);
    {
        Probe second(nullptr, QStringLiteral("second"), &log);
        second.FreeNotification(first.get());
        first.reset();
        EXPECT_EQ(second.removed.size(), 1u);
    }

    Probe other(nullptr, QStringLiteral("other"), &log);
    {
        Probe gone(nullptr, QStringLiteral("gone"), &log);
        other.FreeNotification(&gone);
        other.RemoveFreeNotification(&gone);
    }
    EXPECT_TRUE(other.removed.empty());
}

// A component with one stored property beside its published ones.
class Stored : public TComponent {
public:
    QString value;
    void DefineProperties(TFiler& filer) override {
        filer.DefineProperty(
            QStringLiteral("Hidden"), [this](const QString& v) { value = v; }, [this] { return value; },
            !value.isEmpty());
    }
};

TEST(Filer, WritesOnlyWhatHasDataAndReadsByName) {
    Stored c;
    TPropertyWriter empty;
    empty.Write(c);
    EXPECT_TRUE(empty.values().empty());

    c.value = QStringLiteral("x");
    TPropertyWriter writer;
    writer.Write(c);
    EXPECT_EQ(writer.values(), (StoredProperties{{QStringLiteral("Hidden"), QStringLiteral("x")}}));

    Stored d;
    TPropertyReader({{QStringLiteral("Other"), QStringLiteral("y")}}).Read(d);
    EXPECT_TRUE(d.value.isEmpty());
    TPropertyReader(writer.values()).Read(d);
    EXPECT_EQ(d.value, QStringLiteral("x"));
}

}  // namespace
}  // namespace pellax
