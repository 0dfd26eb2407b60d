#pragma once

#include "framework/files/inifile.h"

#include <QString>

#include <memory>
#include <optional>

namespace pellax {

enum class HKEY { HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };

// The settings store in place of the desktop's registry: one INI file per hive
// in the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), in the
// part of QSettings' INI layout that IniFile reads. A desktop user cannot write a machine-wide store, so
// the "machine" hive is the user's own too.
//
// The files are the user's: one that does not parse, or may not be written,
// is never written. Its keys cannot be opened, and the file stays byte for byte
// as it was. A value is stored by changing its one line, replacing the file in
// one step.
//
// The current user's "Control Panel\Colors" answers with the emulated desktop's
// colour settings for every value the store does not set itself.
namespace registrystore {
// The folder holding the hive files.
QString folder();
// Puts the hives somewhere else (tests); an empty path goes back to the default.
void setFolder(const QString& path);
// The file of one hive.
QString hivePath(HKEY root);
}  // namespace registrystore

// An accessor that opens one key at a time, as the desktop's registry class does.
class TRegistry {
public:
    enum class Access { ReadOnly, AllAccess };

    explicit TRegistry(Access access = Access::AllAccess);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const noexcept { return root_; }
    void SetRootKey(HKEY root);

    // Opens `key` (backslash-separated, below the root), creating it and the
    // keys above it when `canCreate`. False when the key is missing and may not
    // be created, or when the store cannot be opened or, for full access, written;
    // the desktop's colours still open read-only over a store that cannot be read.
    bool OpenKey(const QString& key, bool canCreate);
    bool OpenKeyReadOnly(const QString& key);
    void CloseKey() noexcept;
    const QString& CurrentPath() const noexcept { return key_; }

    // Of the open key; false or empty when no key is open.
    bool ValueExists(const QString& name) const;
    // The value as text; empty when it does not exist.
    QString ReadString(const QString& name) const;
    // The value as text; nothing when it does not exist.
    std::optional<QString> ReadValue(const QString& name) const;
    // Raise ERegistryException "Failed to set data for '<name>'" when the value
    // cannot be stored.
    void WriteInteger(const QString& name, int value);
    void WriteString(const QString& name, const QString& value);

private:
    bool openKey(const QString& key, bool canCreate, bool writable);
    QString valuePath(const QString& name) const;
    std::optional<QString> desktopDefault(const QString& name) const;
    void write(const QString& name, const QString& text);

    Access access_;
    HKEY root_ = HKEY::HKEY_CURRENT_USER;
    QString key_;
    bool open_ = false;
    bool writable_ = false;
    // The hive as read when the key was opened; none over the desktop's colours alone.
    std::shared_ptr<const IniFile> hive_;
};

}  // namespace pellax
