#include "componentpack/rowndproccomponent.h"
#include "framework/windows/application.h"

#include "support/fakewindow.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

using test::FakeOwner;
using test::FakeWindow;

// Counts what reaches the hook and answers the main window's messages.
class CountingHook : public TROWndProcComponent {
public:
    using TROWndProcComponent::TROWndProcComponent;
    void WindowProc(TMessage& m) override {
        seen.push_back(m.Msg);
        TROWndProcComponent::WindowProc(m);
    }
    bool MainWindowHook(TMessage& m) override {
        mainSeen.push_back(m.Msg);
        return false;
    }
    void Deactivate() override { ++deactivations; }
    void load() {
        BeginLoading();
        EndLoading();
    }
    std::vector<unsigned> seen;
    std::vector<unsigned> mainSeen;
    int deactivations = 0;
};

constexpr unsigned kSomeMessage = 0x0400;

TEST(WndProcComponent, AttachesWhenLoadedPassesMessagesOnAndDetachesCleanly) {
    FakeOwner owner;
    auto& hook = owner.make<CountingHook>();
    EXPECT_FALSE(hook.Attached());
    EXPECT_FALSE(owner.allocated);
    hook.load();
    ASSERT_TRUE(hook.Attached());
    EXPECT_TRUE(owner.allocated);  // the window was created for the hook

    owner.window.defaultResult = 42;
    EXPECT_EQ(owner.window.sendMessage(kSomeMessage), 42);
    EXPECT_EQ(hook.seen, std::vector<unsigned>{kSomeMessage});
    EXPECT_EQ(owner.window.received, std::vector<unsigned>{kSomeMessage});

    EXPECT_TRUE(hook.UnhookOwner());
    EXPECT_TRUE(hook.UnhookOwner());  // twice is harmless
    EXPECT_FALSE(hook.Attached());
    EXPECT_FALSE(hook.HasThunk());
    owner.window.sendMessage(kSomeMessage);
    EXPECT_EQ(hook.seen.size(), 1u);
    EXPECT_EQ(owner.window.received.size(), 2u);
}

TEST(WndProcComponent, DisablingKeepsTheHookAndEnablingDoesNotHookTwice) {
    FakeOwner owner;
    auto& hook = owner.make<CountingHook>();
    hook.load();
    hook.SetEnabled(false);
    EXPECT_EQ(hook.deactivations, 1);
    EXPECT_TRUE(hook.Attached());
    hook.SetEnabled(true);
    EXPECT_FALSE(hook.HookOwner());
    // Hooked twice, the hook would see each message twice and detaching would
    // leave it in place.
    owner.window.sendMessage(kSomeMessage);
    EXPECT_EQ(hook.seen.size(), 1u);
    hook.UnhookOwner();
    owner.window.sendMessage(kSomeMessage);
    EXPECT_EQ(hook.seen.size(), 1u);
    EXPECT_EQ(owner.window.received.size(), 2u);
}

TEST(WndProcComponent, ADesignedComponentNeverAttaches) {
    FakeOwner owner(TFormStyle::fsNormal, true);
    auto& hook = owner.make<CountingHook>();
    EXPECT_TRUE(hook.isDesigning());
    hook.load();
    EXPECT_FALSE(hook.Attached());
    EXPECT_FALSE(hook.HookOwner());
    hook.SetEnabled(false);
    EXPECT_EQ(hook.deactivations, 0);
}

TEST(WndProcComponent, AfterTheDestroyMessageEverythingIsSwallowed) {
    FakeOwner owner;
    auto& hook = owner.make<CountingHook>();
    hook.load();
    owner.window.sendMessage(WM_DESTROY);
    EXPECT_TRUE(hook.OwnerDestroyed());
    EXPECT_EQ(owner.window.received, std::vector<unsigned>{WM_DESTROY});
    owner.window.defaultResult = 7;
    EXPECT_EQ(owner.window.sendMessage(kSomeMessage), 0);
    EXPECT_EQ(owner.window.received.size(), 1u);
    hook.UnhookOwner();
    EXPECT_FALSE(hook.OwnerDestroyed());
}

TEST(WndProcComponent, AChildOfAMultiDocumentFrameDetachesOnItsDestroyMessage) {
    FakeOwner owner(TFormStyle::fsMDIChild);
    auto& hook = owner.make<CountingHook>();
    EXPECT_EQ(hook.OwnerKind(), 1);
    hook.load();
    owner.window.sendMessage(WM_DESTROY);
    EXPECT_FALSE(hook.Attached());
    EXPECT_TRUE(owner.window.received.empty());
    owner.window.sendMessage(kSomeMessage);
    EXPECT_EQ(owner.window.received, std::vector<unsigned>{kSomeMessage});
}

TEST(WndProcComponent, AMultiDocumentFrameHasItsClientWindowHookedUnlessAskedOtherwise) {
    FakeOwner owner(TFormStyle::fsMDIForm);
    auto& clientHook = owner.make<CountingHook>();
    EXPECT_EQ(clientHook.OwnerKind(), 2);
    EXPECT_EQ(clientHook.OwnerWindow(), &owner.client);
    auto& frameHook = owner.make<CountingHook>();
    frameHook.SetHookMDIFrame(true);
    EXPECT_EQ(frameHook.OwnerWindow(), &owner.window);
    clientHook.load();
    frameHook.load();
    owner.client.sendMessage(kSomeMessage);
    owner.window.sendMessage(kSomeMessage + 1);
    EXPECT_EQ(clientHook.seen, std::vector<unsigned>{kSomeMessage});
    EXPECT_EQ(frameHook.seen, std::vector<unsigned>{kSomeMessage + 1});
}

TEST(WndProcComponent, NoWindowOrARefusedProcedureLeavesItDetachedWithoutRaising) {
    FakeOwner owner;
    owner.failHandle = true;
    auto& hook = owner.make<CountingHook>();
    EXPECT_EQ(hook.OwnerWindow(), nullptr);
    EXPECT_NO_THROW(hook.load());
    EXPECT_FALSE(hook.Attached());

    owner.failHandle = false;
    owner.window.refuseProc = true;
    hook.SetHookMainWindow(true);
    EXPECT_FALSE(hook.HookOwner());
    EXPECT_FALSE(hook.Attached());
    EXPECT_FALSE(hook.HasThunk());
    EXPECT_FALSE(hook.MainWindowHooked());
    TMessage m{kSomeMessage};
    EXPECT_FALSE(Application::instance().dispatchMainWindowHooks(m));
}

TEST(WndProcComponent, MainWindowHookIsRegisteredWhileAttached) {
    FakeOwner owner;
    auto& hook = owner.make<CountingHook>();
    hook.SetHookMainWindow(true);
    hook.load();
    EXPECT_TRUE(hook.MainWindowHooked());
    TMessage m{kSomeMessage};
    Application::instance().dispatchMainWindowHooks(m);
    EXPECT_EQ(hook.mainSeen, std::vector<unsigned>{kSomeMessage});
    hook.UnhookOwner();
    EXPECT_FALSE(hook.MainWindowHooked());
    Application::instance().dispatchMainWindowHooks(m);
    EXPECT_EQ(hook.mainSeen.size(), 1u);
}

TEST(WndProcComponent, AHookLeftBehindByAGoneComponentPassesMessagesOn) {
    FakeOwner owner;
    {
        CountingHook hook(&owner);
        hook.BeginLoading();
        hook.EndLoading();
        ASSERT_TRUE(hook.Attached());
        // The window cannot be had at detaching, so the hook stays installed.
        owner.failHandle = true;
    }
    owner.window.defaultResult = 5;
    EXPECT_EQ(owner.window.sendMessage(kSomeMessage), 5);
    EXPECT_EQ(owner.window.received, std::vector<unsigned>{kSomeMessage});
}

TEST(ROComponent, EndUpdateWithoutNotifyChangesNothingVisible) {
    FakeOwner owner;
    auto& component = owner.make<CountingHook>();
    int notes = 0;
    component.OnChange = [&notes](TROComponent&) { ++notes; };
    component.BeginUpdate();
    component.Changed();
    component.SubObjectChanged(nullptr);
    component.EndUpdate(false);
    EXPECT_EQ(notes, 0);
    component.BeginUpdate();
    component.EndUpdate(true);
    EXPECT_EQ(notes, 1);
}

}  // namespace
}  // namespace pellax
