#include "framework/files/registry.h"

#include "framework/files/atomicwriter.h"
#include "framework/files/desktopcolors.h"
#include "framework/files/exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// The hive's content, or nothing when it is not a settings file we can read.
// A missing file is an empty store.
std::optional<IniFile> readHive(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists())
        return IniFile::parse({});
    if (!info.isFile() || info.size() > IniFile::kMaxBytes)
        return std::nullopt;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.read(IniFile::kMaxBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return IniFile::parse(bytes);
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
    std::optional<IniFile> hive = readHive(file);
    if (!hive || (writable && !storeWritable(file)))
        return desktopOnly();
    if (!canCreate && !isDesktopColorsKey(root_, path) && !hive->hasGroup(path))
        return false;
    hive_ = std::move(hive);
    key_ = path;
    open_ = true;
    writable_ = writable;
    return true;
}

void TRegistry::CloseKey() noexcept {
    hive_.reset();
    key_.clear();
    open_ = false;
    writable_ = false;
}

QString TRegistry::valuePath(const QString& name) const { return key_.isEmpty() ? name : key_ + u'/' + name; }

std::optional<QString> TRegistry::desktopDefault(const QString& name) const {
    if (!isDesktopColorsKey(root_, key_))
        return std::nullopt;
    return desktopColorSetting(name);
}

bool TRegistry::ValueExists(const QString& name) const {
    if (!open_)
        return false;
    return (hive_ && hive_->value(valuePath(name)).has_value()) || desktopDefault(name).has_value();
}

QString TRegistry::ReadString(const QString& name) const {
    if (!open_)
        return {};
    if (hive_) {
        if (std::optional<QString> value = hive_->value(valuePath(name)))
            return *value;
    }
    return desktopDefault(name).value_or(QString());
}

void TRegistry::WriteInteger(const QString& name, int value) { write(name, QString::number(value)); }

void TRegistry::WriteString(const QString& name, const QString& value) { write(name, value); }

void TRegistry::write(const QString& name, const QString& text) {
    const auto fail = [&name] {
        return ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    };
    if (!open_ || !writable_ || !hive_)
        throw fail();
    // Read again: another copy of the program may have changed the file since
    // the key was opened, and its change must not be lost.
    const QString file = registrystore::hivePath(root_);
    std::optional<IniFile> current = readHive(file);
    if (!current)
        throw fail();
    current->setValue(valuePath(name), text);
    try {
        if (!QFileInfo::exists(file) && !QDir().mkpath(QFileInfo(file).absolutePath()))
            throw fail();
        writeFileAtomically(file, current->bytes());
    } catch (const ERegistryException&) {
        throw;
    } catch (const Exception&) {
        throw fail();
    }
    hive_ = std::move(current);
}

}  // namespace pellax
