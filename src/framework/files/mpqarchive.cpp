#include "framework/files/mpqarchive.h"

#include <StormLib.h>

#include <QRegularExpression>

#include <memory>
#include <optional>
#include <utility>

namespace pellax::mpq {

namespace {

constexpr char kTemplateList[] = "templates\\templates.lst";
constexpr char kTemplateFolder[] = "templates\\";

// The flags a new member copies from the one it replaces or from its siblings.
constexpr DWORD kCarriedFlags =
    MPQ_FILE_IMPLODE | MPQ_FILE_COMPRESS | MPQ_FILE_ENCRYPTED | MPQ_FILE_FIX_KEY | MPQ_FILE_SECTOR_CRC | MPQ_FILE_SINGLE_UNIT;

class Archive {
public:
    Archive(const QByteArray& path, bool readOnly) {
        if (!SFileOpenArchive(path.constData(), 0, readOnly ? MPQ_OPEN_READ_ONLY : 0, &handle_))
            handle_ = nullptr;
    }
    ~Archive() {
        if (handle_)
            SFileCloseArchive(handle_);
    }
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    HANDLE handle() const noexcept { return handle_; }
    // Writes what is still held in memory and lets go of the archive.
    bool close() {
        const bool flushed = SFileFlushArchive(handle_);
        const int err = flushed ? 0 : static_cast<int>(GetLastError());
        const bool closed = SFileCloseArchive(std::exchange(handle_, nullptr));
        if (!flushed)
            SetLastError(static_cast<DWORD>(err));
        return flushed && closed;
    }

private:
    HANDLE handle_ = nullptr;
};

struct FileCloser {
    void operator()(void* file) const { SFileCloseFile(file); }
};
using MemberHandle = std::unique_ptr<void, FileCloser>;

struct FindCloser {
    void operator()(void* find) const { SFileFindClose(find); }
};

Failure failed(Step step, int code = static_cast<int>(GetLastError())) { return {step, code == 0 ? ERROR_CAN_NOT_COMPLETE : code}; }

// The library's name for a member it has no name for: "File00000012.xxx".
bool isMadeUpName(const char* name) {
    static const QRegularExpression pattern(QStringLiteral("^File[0-9]{8}\\.[A-Za-z0-9]+$"));
    return pattern.match(QLatin1String(name)).hasMatch();
}

bool isInternalName(const char* name) { return name[0] == '('; }

Failure readOpen(HANDLE archive, const QByteArray& member, QByteArray& content) {
    if (!SFileHasFile(archive, member.constData()))
        return {Step::Read, NoSuchMember};
    HANDLE raw = nullptr;
    if (!SFileOpenFileEx(archive, member.constData(), SFILE_OPEN_FROM_MPQ, &raw))
        return failed(Step::Read);
    const MemberHandle file(raw);
    DWORD high = 0;
    const DWORD low = SFileGetFileSize(raw, &high);
    if (low == SFILE_INVALID_SIZE)
        return failed(Step::Read);
    const std::int64_t size = (static_cast<std::int64_t>(high) << 32) | low;
    if (size > kMaxMemberSize)
        return {Step::Read, MemberTooLarge};
    content.resize(static_cast<qsizetype>(size));
    DWORD read = 0;
    if (size > 0 && !SFileReadFile(raw, content.data(), static_cast<DWORD>(size), &read, nullptr))
        return failed(Step::Read);
    if (static_cast<std::int64_t>(read) != size)
        return failed(Step::Read, ERROR_HANDLE_EOF);
    return {};
}

void addOnce(QList<QByteArray>& names, const QByteArray& name) {
    for (const QByteArray& known : names)
        if (sameMemberName(known, name))
            return;
    names.append(name);
}

// How a new member is stored: as the member it replaces or, for a new one, as
// the first of the others; an archive of nothing else gets compression, as
// the game's own archives have. The name it goes in under: the replaced
// member's own, since the library refuses to replace a member under another
// spelling of its name.
struct Placement {
    DWORD flags = MPQ_FILE_COMPRESS;
    QByteArray name;
};

Placement placementFor(HANDLE archive, const QByteArray& member) {
    Placement placement{MPQ_FILE_COMPRESS, member};
    SFILE_FIND_DATA found{};
    const std::unique_ptr<void, FindCloser> find(SFileFindFirstFile(archive, "*", &found, nullptr));
    bool sibling = false;
    if (find) {
        do {
            if (isInternalName(found.cFileName))
                continue;
            if (sameMemberName(found.cFileName, member))
                return {found.dwFileFlags & kCarriedFlags, QByteArray(found.cFileName)};
            if (!sibling)
                placement.flags = found.dwFileFlags & kCarriedFlags;
            sibling = true;
        } while (SFileFindNextFile(find.get(), &found));
    }
    // A member the listfile does not name: opening it by name gives it that name.
    HANDLE raw = nullptr;
    if (SFileOpenFileEx(archive, member.constData(), SFILE_OPEN_FROM_MPQ, &raw)) {
        const MemberHandle file(raw);
        DWORD flags = 0;
        if (SFileGetFileInfo(raw, SFileInfoFlags, &flags, sizeof flags, nullptr))
            placement.flags = flags & kCarriedFlags;
    }
    return placement;
}

// The game's archive reader takes '/' for '\\'; the library looks names up
// only with the latter.
QByteArray archiveSpelling(QByteArray member) { return member.replace('/', '\\'); }

bool putMember(HANDLE archive, const QByteArray& member, const QByteArray& content, DWORD flags) {
    HANDLE raw = nullptr;
    if (!SFileCreateFile(archive, member.constData(), 0, static_cast<DWORD>(content.size()), 0,
                         flags | MPQ_FILE_REPLACEEXISTING, &raw))
        return false;
    // The game's archive reader knows PKWARE's compression, not the later zlib or bzip2.
    if (!content.isEmpty() &&
        !SFileWriteFile(raw, content.constData(), static_cast<DWORD>(content.size()), MPQ_COMPRESSION_PKWARE)) {
        const DWORD err = GetLastError();
        SFileFinishFile(raw);
        SetLastError(err);
        return false;
    }
    return SFileFinishFile(raw);
}

}  // namespace

bool sameMemberName(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    const auto fold = [](char c) {
        if (c == '/')
            return '\\';
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}

QList<QByteArray> templateMemberNames(const QByteArray& listText) {
    QList<QByteArray> names;
    const qsizetype end = listText.indexOf(char(26));
    QByteArray text = end < 0 ? listText : listText.left(end);
    for (QByteArray entry : text.replace('\r', '\n').split('\n')) {
        entry = entry.trimmed();
        if (entry.startsWith('"'))
            entry.remove(0, 1);
        if (entry.endsWith('"'))
            entry.chop(1);
        const qsizetype dot = entry.lastIndexOf('.');
        if (dot > entry.lastIndexOf('\\'))
            entry.truncate(dot);
        if (!entry.isEmpty())
            names.append(kTemplateFolder + entry + ".got");
    }
    return names;
}

Failure listMembers(const QByteArray& path, QList<QByteArray>& names) {
    const Archive archive(path, true);
    if (!archive.handle())
        return failed(Step::Open);
    SFILE_FIND_DATA found{};
    if (const std::unique_ptr<void, FindCloser> find(SFileFindFirstFile(archive.handle(), "*", &found, nullptr)); find) {
        do {
            if (!isInternalName(found.cFileName) && !isMadeUpName(found.cFileName))
                addOnce(names, QByteArray(found.cFileName));
        } while (SFileFindNextFile(find.get(), &found));
    }
    QByteArray list;
    if (readOpen(archive.handle(), kTemplateList, list))
        return {};
    addOnce(names, kTemplateList);
    for (const QByteArray& name : templateMemberNames(list))
        if (SFileHasFile(archive.handle(), name.constData()))
            addOnce(names, name);
    return {};
}

Failure readMember(const QByteArray& path, const QByteArray& member, QByteArray& content) {
    const Archive archive(path, true);
    if (!archive.handle())
        return failed(Step::Open);
    return readOpen(archive.handle(), archiveSpelling(member), content);
}

Failure writeMember(const QByteArray& path, const QByteArray& member, const QByteArray& content) {
    Archive archive(path, false);
    if (!archive.handle())
        return failed(Step::Open);
    const Placement placement = placementFor(archive.handle(), archiveSpelling(member));
    if (!putMember(archive.handle(), placement.name, content, placement.flags)) {
        // The library says "disk full" for a hash table without a free entry;
        // a larger table makes room.
        const DWORD err = GetLastError();
        const DWORD room = SFileGetMaxFileCount(archive.handle());
        if (err != ERROR_DISK_FULL || !SFileSetMaxFileCount(archive.handle(), room * 2) ||
            !putMember(archive.handle(), placement.name, content, placement.flags))
            return failed(Step::Write);
    }
    if (!archive.close())
        return failed(Step::Write);
    return {};
}

}  // namespace pellax::mpq
