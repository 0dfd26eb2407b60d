#include "framework/files/registry.h"

#include "framework/files/atomicwriter.h"
#include "framework/files/desktopcolors.h"
#include "framework/files/exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <utility>

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

// A settings file left as it is gets one line on standard error, naming it and
// saying why: the program goes on without it (the About window returns at every
// start, say), and the user has no other way to learn of it. Once a run for
// each file and reason, as every caption paint reads the store.
void reportRefused(const QString& file, const QString& reason) {
    static std::mutex mutex;
    static std::set<std::pair<QString, QString>> told;
    {
        const std::lock_guard lock(mutex);
        if (!told.emplace(file, reason).second)
            return;
    }
    const QByteArray line = "pellax: settings file " + QFile::encodeName(file) + " is left as it is: " + reason.toUtf8() + '\n';
    std::fputs(line.constData(), stderr);
}

// The store can hold a value: its file is a regular file we may write, or can be
// made in a folder we may create.
bool storeWritable(const QString& file) {
    const QFileInfo info(file);
    if (info.exists()) {
        if (!info.isFile()) {
            reportRefused(file, QStringLiteral("it is not a regular file"));
            return false;
        }
        if (!info.isWritable()) {
            reportRefused(file, QStringLiteral("it may not be written"));
            return false;
        }
        return true;
    }
    const QString dir = info.absolutePath();
    if (!QDir().mkpath(dir))
        return false;
    return QFileInfo(dir).isWritable();
}

// What one stat() tells of a file's content: while none of it changes, the
// bytes are the ones read before. The change time is kept too, as a program may
// put the modification time back after a change.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    explicit FileStamp(const struct stat& st)
        : device(st.st_dev), inode(st.st_ino), size(st.st_size), modified(st.st_mtim), changed(st.st_ctim) {}
    bool operator==(const FileStamp& o) const noexcept {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
               changed.tv_nsec == o.changed.tv_nsec;
    }
};

// File times advance in steps (a clock tick, two seconds on some file systems),
// so a change in the step of the last read would leave the stamp as it was. A
// file is kept only once its last change is older than the coarsest step.
constexpr std::chrono::seconds kSettled{2};

bool settled(const struct stat& st) {
    timespec now{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    const auto age = std::chrono::seconds(now.tv_sec - st.st_ctim.tv_sec) +
                     std::chrono::nanoseconds(now.tv_nsec - st.st_ctim.tv_nsec);
    return age > kSettled;
}

// The hives as last read: every caption paint reads the store, and a settings
// file seldom changes. Null for a file that does not parse.
struct CachedHive {
    FileStamp stamp;
    std::shared_ptr<const IniFile> hive;
};

struct HiveCache {
    std::mutex mutex;
    std::map<QString, CachedHive> hives;
};

HiveCache& hiveCache() {
    static HiveCache cache;
    return cache;
}

void forgetHive(const QString& file) {
    HiveCache& cache = hiveCache();
    const std::lock_guard lock(cache.mutex);
    cache.hives.erase(file);
}

std::shared_ptr<const IniFile> emptyHive() {
    static const auto empty = std::make_shared<const IniFile>(*IniFile::parse({}));
    return empty;
}

// The hive's content, or nothing when it is not a settings file we can read.
// A missing file is an empty store. Read again only when the file has changed.
std::shared_ptr<const IniFile> readHive(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return emptyHive();
    const auto refuse = [&file](const QString& reason) {
        reportRefused(file, reason);
        return nullptr;
    };
    if (!S_ISREG(st.st_mode))
        return refuse(QStringLiteral("it is not a regular file"));
    if (st.st_size > IniFile::kMaxBytes)
        return refuse(QStringLiteral("it is larger than %1 bytes").arg(IniFile::kMaxBytes));
    HiveCache& cache = hiveCache();
    {
        const std::lock_guard lock(cache.mutex);
        if (const auto it = cache.hives.find(file); it != cache.hives.end() && it->second.stamp == FileStamp(st))
            return it->second.hive;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("it cannot be read (%1)").arg(in.errorString()));
    // The stamp of what is read, should the file have been replaced since.
    struct stat opened {};
    if (::fstat(in.handle(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > IniFile::kMaxBytes)
        return refuse(QStringLiteral("it changed into something else while it was opened"));
    const QByteArray bytes = in.read(IniFile::kMaxBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("it cannot be read (%1)").arg(in.errorString()));
    QString refusal;
    std::optional<IniFile> parsed = IniFile::parse(bytes, &refusal);
    std::shared_ptr<const IniFile> hive = parsed ? std::make_shared<const IniFile>(std::move(*parsed)) : nullptr;
    if (!hive)
        reportRefused(file, refusal);
    const std::lock_guard lock(cache.mutex);
    // A file that changed while it was read, or may still change unseen, is read again next time.
    if (bytes.size() == opened.st_size && settled(opened))
        cache.hives.insert_or_assign(file, CachedHive{FileStamp(opened), hive});
    else
        cache.hives.erase(file);
    return hive;
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
    std::shared_ptr<const IniFile> hive = readHive(file);
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

bool TRegistry::ValueExists(const QString& name) const { return ReadValue(name).has_value(); }

QString TRegistry::ReadString(const QString& name) const { return ReadValue(name).value_or(QString()); }

std::optional<QString> TRegistry::ReadValue(const QString& name) const {
    if (!open_)
        return std::nullopt;
    if (hive_) {
        if (std::optional<QString> value = hive_->value(valuePath(name)))
            return value;
    }
    return desktopDefault(name);
}

void TRegistry::WriteInteger(const QString& name, int value) { write(name, QString::number(value)); }

void TRegistry::WriteString(const QString& name, const QString& value) { write(name, value); }

void TRegistry::write(const QString& name, const QString& text) {
    const auto fail = [&name] {
        return ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    };
    // A value without a name would be written as a line without a key, and the
    // whole file would no longer read.
    if (!open_ || !writable_ || !hive_ || name.isEmpty())
        throw fail();
    // Read again: another copy of the program may have changed the file since
    // the key was opened, and its change must not be lost.
    const QString file = registrystore::hivePath(root_);
    const std::shared_ptr<const IniFile> read = readHive(file);
    if (!read)
        throw fail();
    auto current = std::make_shared<IniFile>(*read);
    const QString path = valuePath(name);
    if (!current->setValue(path, text))
        throw fail();
    // What is written must read back as the whole file did, with the value as given.
    if (const std::optional<IniFile> check = IniFile::parse(current->bytes()); !check || check->value(path) != text)
        throw fail();
    try {
        if (!QFileInfo::exists(file) && !QDir().mkpath(QFileInfo(file).absolutePath()))
            throw fail();
        writeFileAtomically(file, current->bytes());
    } catch (const ERegistryException&) {
        forgetHive(file);
        throw;
    } catch (const Exception&) {
        forgetHive(file);
        throw fail();
    }
    // Read again next time: the stamp of what was written is not known for sure
    // once another program may have changed the file after it.
    forgetHive(file);
    hive_ = std::move(current);
}

}  // namespace pellax
