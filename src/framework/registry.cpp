#include "framework/registry.h"

#include "framework/desktop.h"
#include "framework/exception.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace pellax {

namespace {

QString& folderOverride() {
    static QString path;
    return path;
}

QString normalisedKey(const QString& key) {
    QString k = key;
    k.replace(u'\\', u'/');
    while (k.startsWith(u'/'))
        k.remove(0, 1);
    while (k.endsWith(u'/'))
        k.chop(1);
    return k;
}

bool isDesktopColorsKey(HKEY root, const QString& key) {
    return root == HKEY::HKEY_CURRENT_USER && key.compare(QStringLiteral("Control Panel/Colors"), Qt::CaseInsensitive) == 0;
}

// The store can hold a value: its file is a regular file we may write, or can be
// made in a folder we may create.
bool storeWritable(const QString& file) {
    const QFileInfo info(file);
    if (info.exists())
        return info.isFile() && info.isWritable();
    const QString dir = info.absolutePath();
    if (!QDir().mkpath(dir))
        return false;
    return QFileInfo(dir).isWritable();
}

bool storeReadable(const QString& file) {
    const QFileInfo info(file);
    return !info.exists() || (info.isFile() && info.isReadable());
}

}  // namespace

namespace registrystore {

QString folder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/pellax");
}

void setFolder(const QString& path) { folderOverride() = path; }

QString hivePath(HKEY root) {
    return folder() + (root == HKEY::HKEY_LOCAL_MACHINE ? QStringLiteral("/HKEY_LOCAL_MACHINE.ini")
                                                        : QStringLiteral("/HKEY_CURRENT_USER.ini"));
}

}  // namespace registrystore

TRegistry::TRegistry(Access access) : access_(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
    if (root == root_)
        return;
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    return openKey(key, canCreate, access_ == Access::AllAccess);
}

bool TRegistry::OpenKeyReadOnly(const QString& key) { return openKey(key, false, false); }

bool TRegistry::openKey(const QString& key, bool canCreate, bool writable) {
    CloseKey();
    const QString path = normalisedKey(key);
    const QString file = registrystore::hivePath(root_);
    // The desktop's colours answer for a user store that cannot be read.
    const auto desktopOnly = [&] {
        if (writable || !isDesktopColorsKey(root_, path))
            return false;
        key_ = path;
        open_ = true;
        return true;
    };
    if (!storeReadable(file) || (writable && !storeWritable(file)))
        return desktopOnly();
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (settings->status() != QSettings::NoError)
        return desktopOnly();
    if (!canCreate && !isDesktopColorsKey(root_, path)) {
        settings->beginGroup(path);
        const bool exists = !settings->childKeys().isEmpty() || !settings->childGroups().isEmpty();
        settings->endGroup();
        if (!exists)
            return false;
    }
    settings_ = std::move(settings);
    key_ = path;
    open_ = true;
    writable_ = writable;
    return true;
}

void TRegistry::CloseKey() noexcept {
    settings_.reset();
    key_.clear();
    open_ = false;
    writable_ = false;
}

QString TRegistry::settingsKey(const QString& name) const { return key_.isEmpty() ? name : key_ + u'/' + name; }

std::optional<QString> TRegistry::desktopDefault(const QString& name) const {
    if (!isDesktopColorsKey(root_, key_))
        return std::nullopt;
    return desktopColorSetting(name);
}

bool TRegistry::ValueExists(const QString& name) const {
    if (!open_)
        return false;
    return (settings_ && settings_->contains(settingsKey(name))) || desktopDefault(name).has_value();
}

QString TRegistry::ReadString(const QString& name) const {
    if (!open_)
        return {};
    if (settings_) {
        if (const QVariant value = settings_->value(settingsKey(name)); value.isValid())
            return value.toString();
    }
    return desktopDefault(name).value_or(QString());
}

void TRegistry::WriteInteger(const QString& name, int value) { write(name, QVariant(value)); }

void TRegistry::WriteString(const QString& name, const QString& value) { write(name, QVariant(value)); }

void TRegistry::write(const QString& name, const QVariant& value) {
    const auto fail = [&name] {
        return ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    };
    if (!open_ || !writable_)
        throw fail();
    settings_->setValue(settingsKey(name), value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        // Qt keeps unwritten values for the file; they must not look stored.
        settings_->remove(settingsKey(name));
        throw fail();
    }
}

}  // namespace pellax
