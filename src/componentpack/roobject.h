#pragma once

#include "framework/windows/component.h"

#include <QString>

#include <functional>

namespace pellax {

// The identity of whatever changed, for handlers that ask "was it my font?".
using TSender = const void*;

// Base of the pack's settings objects (text effects, bevels): a change
// notification for the owner that BeginUpdate and EndUpdate can hold back
// while several values are set.
class TROObject {
public:
    TROObject() = default;
    virtual ~TROObject() = default;
    TROObject(const TROObject&) = delete;
    TROObject& operator=(const TROObject&) = delete;

    std::function<void(TROObject& sender)> OnChange;

    bool UpdateLock() const noexcept { return updateLock_; }
    void BeginUpdate() noexcept { updateLock_ = true; }
    void EndUpdate(bool notify);

    // Tells OnChange, unless updates are held back.
    virtual void Changed();
    // Copies another object's settings; this base refuses every source.
    virtual void Assign(const TROObject& source);
    virtual QString ClassName() const { return QStringLiteral("TROObject"); }

private:
    bool updateLock_ = false;
};

// Base of the pack's non-visual components, with the same notification.
class TROComponent : public TComponent {
public:
    explicit TROComponent(TComponent* owner, QString name = {});

    // Designer information only.
    QString About;
    std::function<void(TROComponent& sender)> OnChange;

    bool UpdateLock() const noexcept { return updateLock_; }
    void BeginUpdate() noexcept { updateLock_ = true; }
    void EndUpdate(bool notify);

    virtual void Changed();
    // An owned sub-object changed; by default that is a change of this component.
    virtual void SubObjectChanged(TSender sender);

private:
    bool updateLock_ = false;
};

}  // namespace pellax
