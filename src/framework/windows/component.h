#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace pellax {

// Lifecycle flags of a component.
enum class ComponentState : std::uint8_t {
    Loading = 1 << 0,     // being built from its window description; components made meanwhile load too
    Reading = 1 << 1,     // its properties are being read
    Designing = 1 << 2,   // never set at run time; a component made by a designing owner is designing
    Destroying = 1 << 3,  // its owner is tearing it down
};

enum class Operation { Insert, Remove };

class TFiler;

// A named part of a window. Components form an owner tree: an owner knows the
// components it holds, tells them when another component goes away, and ends
// their loading phase with Loaded(); a component made while its owner loads
// loads with it. Ownership of the memory is separate: a component either lives
// inside its owner (`own`) or is a Qt object with a Qt parent; the owner tree
// only records the relation.
class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr, QString name = {});
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const QString& Name() const noexcept { return name_; }
    void SetName(const QString& name) { name_ = name; }

    TComponent* Owner() const noexcept { return owner_; }
    const std::vector<TComponent*>& Components() const noexcept { return components_; }
    TComponent* FindComponent(const QString& name) const;

    bool hasState(ComponentState s) const noexcept { return (state_ & static_cast<unsigned>(s)) != 0; }
    bool isLoading() const noexcept { return hasState(ComponentState::Loading); }
    bool isReading() const noexcept { return hasState(ComponentState::Reading); }
    bool isDesigning() const noexcept { return hasState(ComponentState::Designing); }
    bool isDestroying() const noexcept { return hasState(ComponentState::Destroying); }

    // Marks this component and everything it owns as loading and reading.
    void BeginLoading();
    // Ends loading: on every owned component, then on this one, the loading and
    // reading states are cleared and Loaded() is called.
    void EndLoading();

    // Keeps `component` alive as long as this owner and registers it as owned.
    // Qt objects are freed by their Qt parent and may not be owned here as well.
    template <class T>
    T& own(std::unique_ptr<T> component) {
        static_assert(!std::is_base_of_v<QObject, T>, "a Qt object is freed by its Qt parent");
        T& ref = *component;
        owned_.push_back(std::move(component));
        return ref;
    }

    // Creates a component owned by this one: `make<TTimer>(name)` is
    // `own(std::make_unique<TTimer>(this, name))`.
    template <class T, class... Args>
    T& make(Args&&... args) {
        return own(std::make_unique<T>(this, std::forward<Args>(args)...));
    }

    // Asks to be told, through Notification(component, Remove), when `component`
    // is freed, wherever it sits in the owner tree. The link works both ways:
    // whichever of the two goes first, the other is told.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Offers the properties that a window description stores beside the
    // published ones to `filer`, which writes or reads them.
    virtual void DefineProperties(TFiler& filer);

protected:
    // Called once when loading ends, after the loading state is cleared; the
    // component's description is complete.
    virtual void Loaded();
    // Told when a component in the same owner tree is inserted or removed.
    virtual void Notification(TComponent* component, Operation operation);

    void setState(ComponentState s, bool on) noexcept;
    // Frees the owned components now, newest first, while the owner is still
    // whole; an owner with more to tear down calls it from its own destructor.
    void DestroyComponents();

private:
    void insert(TComponent* child);
    void remove(TComponent* child);
    void notifyAll(TComponent* component, Operation operation);
    static void unlink(std::vector<TComponent*>& list, TComponent* component);

    TComponent* owner_ = nullptr;
    QString name_;
    unsigned state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<std::unique_ptr<TComponent>> owned_;
    // Both directions of every free-notification link this component is part of.
    std::vector<TComponent*> freeNotifies_;
};

}  // namespace pellax
