#include "framework/windows/component.h"

#include <algorithm>

namespace pellax {

TComponent::TComponent(TComponent* owner, QString name) : owner_(owner), name_(std::move(name)) {
    if (owner_ && owner_->isDesigning())
        setState(ComponentState::Designing, true);
    // Made while its window is being built: it loads with the window.
    if (owner_ && owner_->isLoading()) {
        setState(ComponentState::Loading, true);
        setState(ComponentState::Reading, true);
    }
    if (owner_) {
        owner_->insert(this);
    }
}

TComponent::~TComponent() {
    DestroyComponents();
    for (TComponent* child : components_)
        child->owner_ = nullptr;
    if (owner_)
        owner_->remove(this);
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        unlink(other->freeNotifies_, this);
        other->Notification(this, Operation::Remove);
    }
}

void TComponent::DestroyComponents() {
    setState(ComponentState::Destroying, true);
    // Owned components go first, newest first, while this owner is still whole.
    while (!owned_.empty())
        owned_.pop_back();
}

TComponent* TComponent::FindComponent(const QString& name) const {
    for (TComponent* c : components_) {
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

void TComponent::BeginLoading() {
    setState(ComponentState::Loading, true);
    setState(ComponentState::Reading, true);
    for (TComponent* c : components_)
        c->BeginLoading();
}

void TComponent::EndLoading() {
    for (TComponent* c : components_)
        c->EndLoading();
    if (!isLoading())
        return;
    setState(ComponentState::Loading, false);
    setState(ComponentState::Reading, false);
    Loaded();
}

void TComponent::Loaded() {}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) != freeNotifies_.end())
        return;
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    unlink(freeNotifies_, component);
    unlink(component->freeNotifies_, this);
}

void TComponent::unlink(std::vector<TComponent*>& list, TComponent* component) {
    list.erase(std::remove(list.begin(), list.end(), component), list.end());
}

void TComponent::DefineProperties(TFiler&) {}

void TComponent::Notification(TComponent*, Operation) {}

void TComponent::setState(ComponentState s, bool on) noexcept {
    if (on)
        state_ |= static_cast<unsigned>(s);
    else
        state_ &= ~static_cast<unsigned>(s);
}

void TComponent::insert(TComponent* child) {
    components_.push_back(child);
    notifyAll(child, Operation::Insert);
}

void TComponent::remove(TComponent* child) {
    components_.erase(std::remove(components_.begin(), components_.end(), child), components_.end());
    if (!hasState(ComponentState::Destroying))
        notifyAll(child, Operation::Remove);
}

void TComponent::notifyAll(TComponent* component, Operation operation) {
    Notification(component, operation);
    for (TComponent* c : components_) {
        if (c != component)
            c->Notification(component, operation);
    }
}

}  // namespace pellax
