#include "componentpack/rosettings.h"

#include "framework/files/exception.h"
#include "framework/files/registry.h"
#include "framework/windows/application.h"

namespace pellax {

TROSettings::TROSettings(TComponent* owner, QString name) : TComponent(owner, std::move(name)) {
    const QString program = Application::exists() ? Application::instance().Title() : QStringLiteral("Pellax");
    key_ = QStringLiteral("Software\\") + program;
}

QString TROSettings::ReadString(const QString& name, const QString& fallback) const {
    TRegistry reg(TRegistry::Access::ReadOnly);
    if (!reg.OpenKeyReadOnly(key_) || !reg.ValueExists(name))
        return fallback;
    return reg.ReadString(name);
}

void TROSettings::WriteString(const QString& name, const QString& value) {
    TRegistry reg;
    if (!reg.OpenKey(key_, true))
        throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    reg.WriteString(name, value);
}

}  // namespace pellax
