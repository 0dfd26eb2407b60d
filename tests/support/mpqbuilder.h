#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace pellax::test {

// How a test member is stored.
enum class Storage { Plain, Compressed, Encrypted };

struct TestMember {
    QByteArray name;
    QByteArray content;
    Storage storage = Storage::Compressed;
};

// Builds an MPQ archive at `path` with the archive library itself, with a
// listfile or without one. Fails the test when the library refuses.
void buildArchive(const QString& path, const std::vector<TestMember>& members, bool withListFile = true);

// What the archive library tells of one member, as a test checks it.
struct MemberFacts {
    bool found = false;
    bool compressed = false;
    bool encrypted = false;
    std::uint64_t offset = 0;      // of its data, from the start of the file
    std::uint32_t storedSize = 0;  // compressed size
};
MemberFacts memberFacts(const QString& archive, const QByteArray& member);

// Where the archive's hash and block tables lie, from the start of the file.
struct TableSpans {
    std::uint64_t hashOffset = 0, hashSize = 0, blockOffset = 0, blockSize = 0;
};
TableSpans tableSpans(const QString& archive);

}  // namespace pellax::test
