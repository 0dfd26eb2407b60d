#pragma once

#include "framework/windows/component.h"

#include <QString>

namespace pellax {

// Text settings of the program under the current user's "Software\<program>"
// key of the settings store.
class TROSettings : public TComponent {
public:
    explicit TROSettings(TComponent* owner, QString name = {});

    // The key below HKEY_CURRENT_USER, after the application's title by default.
    const QString& Key() const noexcept { return key_; }
    void SetKey(const QString& key) { key_ = key; }

    // `fallback` when the value or the key is missing.
    QString ReadString(const QString& name, const QString& fallback = {}) const;
    // Raises ERegistryException when the value cannot be stored.
    void WriteString(const QString& name, const QString& value);

private:
    QString key_;
};

}  // namespace pellax
