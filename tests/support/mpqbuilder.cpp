#include "support/mpqbuilder.h"

#include <QFile>

#include <StormLib.h>

#include <gtest/gtest.h>

#include <unistd.h>

namespace pellax::test {

namespace {

DWORD flagsOf(Storage storage) {
    switch (storage) {
    case Storage::Plain: return 0;
    case Storage::Compressed: return MPQ_FILE_COMPRESS;
    case Storage::Encrypted: return MPQ_FILE_COMPRESS | MPQ_FILE_ENCRYPTED;
    }
    return 0;
}

// The archive library closes descriptor 0 while it looks for an archive it is
// to make, and may then make the archive on it: the test's standard input
// comes back when the archive is closed, so that the tools it starts later
// are not handed a closed one.
class StandardInputKept {
public:
    StandardInputKept() : saved_(::dup(STDIN_FILENO)) {}
    ~StandardInputKept() {
        ::dup2(saved_, STDIN_FILENO);
        ::close(saved_);
    }
    StandardInputKept(const StandardInputKept&) = delete;
    StandardInputKept& operator=(const StandardInputKept&) = delete;

private:
    int saved_;
};

}  // namespace

void buildArchive(const QString& path, const std::vector<TestMember>& members, bool withListFile) {
    const StandardInputKept standardInput;
    QFile::remove(path);
    HANDLE archive = nullptr;
    SFILE_CREATE_MPQ create{};
    create.cbSize = sizeof create;
    create.dwMpqVersion = MPQ_FORMAT_VERSION_1;
    create.dwStreamFlags = STREAM_PROVIDER_FLAT | BASE_PROVIDER_FILE;
    create.dwFileFlags1 = withListFile ? MPQ_FILE_DEFAULT_INTERNAL : 0;
    create.dwSectorSize = 0x1000;
    create.dwMaxFileCount = 64;
    ASSERT_TRUE(SFileCreateArchive2(QFile::encodeName(path).constData(), &create, &archive)) << GetLastError();
    for (const TestMember& member : members) {
        HANDLE file = nullptr;
        ASSERT_TRUE(SFileCreateFile(archive, member.name.constData(), 0, static_cast<DWORD>(member.content.size()), 0,
                                    flagsOf(member.storage), &file))
            << GetLastError();
        if (!member.content.isEmpty()) {
            EXPECT_TRUE(SFileWriteFile(file, member.content.constData(), static_cast<DWORD>(member.content.size()),
                                       MPQ_COMPRESSION_PKWARE));
        }
        EXPECT_TRUE(SFileFinishFile(file));
    }
    EXPECT_TRUE(SFileCloseArchive(archive));
}

MemberFacts memberFacts(const QString& path, const QByteArray& member) {
    MemberFacts facts;
    HANDLE archive = nullptr;
    if (!SFileOpenArchive(QFile::encodeName(path).constData(), 0, MPQ_OPEN_READ_ONLY, &archive))
        return facts;
    HANDLE file = nullptr;
    if (SFileOpenFileEx(archive, member.constData(), SFILE_OPEN_FROM_MPQ, &file)) {
        DWORD flags = 0;
        ULONGLONG offset = 0;
        DWORD stored = 0;
        SFileGetFileInfo(file, SFileInfoFlags, &flags, sizeof flags, nullptr);
        SFileGetFileInfo(file, SFileInfoByteOffset, &offset, sizeof offset, nullptr);
        SFileGetFileInfo(file, SFileInfoCompressedSize, &stored, sizeof stored, nullptr);
        ULONGLONG header = 0;
        SFileGetFileInfo(archive, SFileMpqHeaderOffset, &header, sizeof header, nullptr);
        facts = {true, (flags & MPQ_FILE_COMPRESS_MASK) != 0, (flags & MPQ_FILE_ENCRYPTED) != 0, offset + header, stored};
        SFileCloseFile(file);
    }
    SFileCloseArchive(archive);
    return facts;
}

TableSpans tableSpans(const QString& path) {
    TableSpans spans;
    HANDLE archive = nullptr;
    if (!SFileOpenArchive(QFile::encodeName(path).constData(), 0, MPQ_OPEN_READ_ONLY, &archive))
        return spans;
    ULONGLONG header = 0;
    SFileGetFileInfo(archive, SFileMpqHeaderOffset, &header, sizeof header, nullptr);
    SFileGetFileInfo(archive, SFileMpqHashTableOffset, &spans.hashOffset, sizeof spans.hashOffset, nullptr);
    SFileGetFileInfo(archive, SFileMpqHashTableSize64, &spans.hashSize, sizeof spans.hashSize, nullptr);
    SFileGetFileInfo(archive, SFileMpqBlockTableOffset, &spans.blockOffset, sizeof spans.blockOffset, nullptr);
    SFileGetFileInfo(archive, SFileMpqBlockTableSize64, &spans.blockSize, sizeof spans.blockSize, nullptr);
    spans.hashOffset += header;
    spans.blockOffset += header;
    SFileCloseArchive(archive);
    return spans;
}

}  // namespace pellax::test
