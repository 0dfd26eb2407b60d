#include "componentpack/roobject.h"

#include "framework/files/exception.h"

namespace pellax {

void TROObject::EndUpdate(bool notify) {
    updateLock_ = false;
    if (notify)
        Changed();
}

void TROObject::Changed() {
    if (!updateLock_ && OnChange)
        OnChange(*this);
}

void TROObject::Assign(const TROObject& source) {
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(source.ClassName(), ClassName()));
}

TROComponent::TROComponent(TComponent* owner, QString name) : TComponent(owner, std::move(name)) {}

void TROComponent::EndUpdate(bool notify) {
    updateLock_ = false;
    if (notify)
        Changed();
}

void TROComponent::Changed() {
    if (!updateLock_ && OnChange)
        OnChange(*this);
}

void TROComponent::SubObjectChanged(TSender) { Changed(); }

}  // namespace pellax
