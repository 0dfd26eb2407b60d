#include "framework/files/archivemembers.h"
#include "framework/files/fileaccess.h"
#include "framework/files/filelocation.h"
#include "support/fixtures.h"
#include "support/mpqbuilder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <sys/mount.h>
#include <sys/stat.h>

namespace pellax {
namespace {

using Archives = test::AppTest;

const QByteArray kList = "templates\\templates.lst";
const QByteArray kMelee = "templates\\Melee.got";

QByteArray record(char fill) { return QByteArray(97, fill); }

// The message an action fails with, or nothing.
template <typename F>
QString failureOf(F&& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

QStringList texts(const QList<QByteArray>& names) {
    QStringList out;
    for (const QByteArray& name : names)
        out.append(memberText(name));
    return out;
}

TEST_F(Archives, LocationsNameMembersAndFolders) {
    const FileLocation member = parseLocation(QStringLiteral("mpq:/a/b::c.mpq::templates\\x.got"));
    EXPECT_TRUE(member.inArchive);
    EXPECT_EQ(member.path, QStringLiteral("/a/b::c.mpq"));
    EXPECT_EQ(member.member, QByteArray("templates\\x.got"));
    EXPECT_FALSE(member.isMemberFolder());
    EXPECT_TRUE(parseLocation(QStringLiteral("mpq:m.mpq::templates\\")).isMemberFolder());
    EXPECT_TRUE(parseLocation(QStringLiteral("mpq:m.mpq::")).isMemberFolder());
    for (const char* plain : {"./mpq:m.mpq::x.got", "/home/u/mod.mpq\\x.got", "mpq:no separator"})
        EXPECT_FALSE(parseLocation(QLatin1String(plain)).inArchive) << plain;
    const QByteArray raw("templates\\\xE9t\xE9.got");
    const QString location = memberLocation(QStringLiteral("/home/u/mod.mpq"), raw);
    EXPECT_EQ(parseLocation(location).member, raw);
    EXPECT_EQ(locationDisplayName(memberLocation(QStringLiteral("/home/u/mod.mpq"), "templates\\Melee(1).got")),
              QStringLiteral("/home/u/mod.mpq\\templates\\Melee(1).got"));
}

TEST_F(Archives, MembersAreFoundThroughTheListfileAndTheGameNames) {
    const QString listed = path(QStringLiteral("listed.mpq"));
    test::buildArchive(listed, {{kMelee, record('m')},
                                {"triggers\\Melee.trg", "trigger", test::Storage::Plain},
                                {"TEMPLATES\\Other.GOT", record('o'), test::Storage::Plain}});
    EXPECT_EQ(texts(archiveMembersOfKind(listed, QStringLiteral("got"))),
              (QStringList{QStringLiteral("templates\\Melee.got"), QStringLiteral("TEMPLATES\\Other.GOT")}));
    EXPECT_EQ(texts(archiveMembersOfKind(listed, QStringLiteral("trg"))), QStringList{QStringLiteral("triggers\\Melee.trg")});

    // Without a listfile only the game's own names are known: the list, and
    // the game types it names by their entries without extension.
    const QString bare = path(QStringLiteral("bare.mpq"));
    test::buildArchive(bare,
                       {{kList, "\"Melee\"\r\n\"Team(1).got\"\r\nMissing\r\n"},
                        {kMelee, record('m')},
                        {"templates\\Team(1).got", record('t'), test::Storage::Plain},
                        {"templates\\Unlisted.got", record('u')}},
                       false);
    EXPECT_EQ(texts(archiveMemberNames(bare)), (QStringList{QStringLiteral("templates\\Melee.got"),
                                                           QStringLiteral("templates\\Team(1).got"),
                                                           QStringLiteral("templates\\templates.lst")}));
    // A member found neither way still opens by its name.
    EXPECT_EQ(readWholeFile(memberLocation(bare, "templates\\Unlisted.got")), record('u'));
    writeWholeFile(memberLocation(bare, "templates\\unlisted.GOT"), record('v'));
    EXPECT_EQ(readWholeFile(memberLocation(bare, "templates\\Unlisted.got")), record('v'));
    EXPECT_EQ(failureOf([&] { readWholeFile(memberLocation(bare, "templates\\None.got")); }),
              QStringLiteral("The archive has no member templates\\None.got"));
}

TEST_F(Archives, ReplacedAndAddedMembersKeepTheArchiveWholeAndItsMode) {
    const QString archive = path(QStringLiteral("mod.mpq"));
    test::buildArchive(archive, {{kMelee, record('a')},
                                 {"templates\\Plain.got", record('p'), test::Storage::Plain},
                                 {"templates\\Secret.got", record('s'), test::Storage::Encrypted}});
    ASSERT_EQ(::chmod(QFile::encodeName(archive).constData(), 0640), 0);

    writeWholeFile(memberLocation(archive, "TEMPLATES/melee.GOT"), record('b'));
    writeWholeFile(memberLocation(archive, "templates\\Plain.got"), record('q'));
    writeWholeFile(memberLocation(archive, "templates\\Secret.got"), record('t'));
    writeWholeFile(memberLocation(archive, "templates\\New.got"), record('n'));

    EXPECT_EQ(readWholeFile(memberLocation(archive, kMelee)), record('b'));
    EXPECT_EQ(readWholeFile(memberLocation(archive, "templates\\Plain.got")), record('q'));
    EXPECT_EQ(readWholeFile(memberLocation(archive, "templates\\Secret.got")), record('t'));
    EXPECT_EQ(readWholeFile(memberLocation(archive, "templates\\New.got")), record('n'));
    // Stored as before: compressed stays compressed, plain stays plain, an
    // encrypted one stays encrypted; a new one is stored like the others.
    EXPECT_TRUE(test::memberFacts(archive, kMelee).compressed);
    EXPECT_FALSE(test::memberFacts(archive, "templates\\Plain.got").compressed);
    EXPECT_TRUE(test::memberFacts(archive, "templates\\Secret.got").encrypted);
    EXPECT_TRUE(test::memberFacts(archive, "templates\\New.got").compressed);
    // The listfile names the new member, and no member was made twice.
    EXPECT_EQ(archiveMembersOfKind(archive, QStringLiteral("got")).size(), 4);
    EXPECT_TRUE(archiveMemberNames(archive).contains("templates\\New.got"));

    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(archive).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(files(), QStringList{QStringLiteral("mod.mpq")});
}

TEST_F(Archives, AnArchiveWithASecondLinkIsChangedOnACopyElsewhereAndWrittenInPlace) {
    const QString archive = path(QStringLiteral("mod.mpq"));
    test::buildArchive(archive, {{kMelee, record('a')}});
    const QString link = path(QStringLiteral("link.mpq"));
    ASSERT_EQ(::link(QFile::encodeName(archive).constData(), QFile::encodeName(link).constData()), 0);
    writeWholeFile(memberLocation(archive, kMelee), record('b'));
    // Both names still lead to one file, which holds the change.
    EXPECT_EQ(readWholeFile(memberLocation(link, kMelee)), record('b'));
    EXPECT_EQ(readFile(link), readFile(archive));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("link.mpq"), QStringLiteral("mod.mpq")}));
}

TEST_F(Archives, NamesThatAreNotTextOpenAndRoundTrip) {
    const QString archive = path(QStringLiteral("bytes.mpq"));
    const QByteArray name("templates\\\xE9t\xE9 \xFF.got");
    test::buildArchive(archive, {{name, record('e')}});
    const QList<QByteArray> names = archiveMembersOfKind(archive, QStringLiteral("got"));
    ASSERT_EQ(names, QList<QByteArray>{name});
    const QString location = memberLocation(archive, names.first());
    EXPECT_EQ(readWholeFile(location), record('e'));
    writeWholeFile(location, record('f'));
    EXPECT_EQ(archiveMemberNames(archive), QList<QByteArray>{name});
    EXPECT_EQ(readWholeFile(location), record('f'));
}

TEST_F(Archives, AFullDiskOrAReadOnlyArchiveLeavesItByteForByte) {
    const QString archive = path(QStringLiteral("full.mpq"));
    test::buildArchive(archive, {{kMelee, record('a')}});
    const QByteArray original = readFile(archive);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    // Room for the copy but not for the new member; then not even for the copy.
    for (const rlim_t room : {static_cast<rlim_t>(original.size() + 512), rlim_t{64}}) {
        test::FileSizeLimit limit(room);
        ASSERT_TRUE(limit.ok());
        EXPECT_EQ(test::ioErrorOf([&] { writeWholeFile(memberLocation(archive, kMelee), noise); }), ioerr::DiskFull);
        EXPECT_EQ(readFile(archive), original);
        EXPECT_EQ(files(), QStringList{QStringLiteral("full.mpq")});
    }
    ASSERT_TRUE(QFile::setPermissions(archive, QFile::ReadOwner | QFile::ReadGroup));
    EXPECT_EQ(test::ioErrorOf([&] { writeWholeFile(memberLocation(archive, kMelee), record('x')); }),
              ioerr::AccessDenied);
    EXPECT_EQ(readFile(archive), original);
}

// A small file system of its own, where a disk fills up for real; skipped
// where the test may not mount one.
class SmallDisk {
public:
    SmallDisk(const QString& folder, const char* size) : folder_(QFile::encodeName(folder)) {
        const QByteArray options = QByteArray("size=") + size;
        mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const noexcept { return mounted_; }

private:
    QByteArray folder_;
    bool mounted_ = false;
};

TEST_F(Archives, AFullTmpfsLeavesTheArchiveByteForByte) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("disk")));
    const SmallDisk disk(path(QStringLiteral("disk")), "1m");
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here";
    const QString archive = path(QStringLiteral("disk/mod.mpq"));
    QByteArray noise(300 * 1024, Qt::Uninitialized);
    QRandomGenerator(11).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    test::buildArchive(archive, {{kMelee, record('a')}, {"data\\noise.bin", noise, test::Storage::Plain}});
    const QByteArray original = readFile(archive);
    // The copy fits beside the archive; the new member does not fit beside both.
    EXPECT_EQ(test::ioErrorOf([&] { writeWholeFile(memberLocation(archive, kMelee), noise + noise); }), ioerr::DiskFull);
    EXPECT_EQ(readFile(archive), original);
    EXPECT_EQ(QDir(path(QStringLiteral("disk"))).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("mod.mpq")});
    // With room again, the same write goes through.
    writeWholeFile(memberLocation(archive, kMelee), record('b'));
    EXPECT_EQ(readWholeFile(memberLocation(archive, kMelee)), record('b'));
}

TEST_F(Archives, AMemberThatCannotBeUnpackedIsToldAndNothingChanges) {
    const QString archive = path(QStringLiteral("broken.mpq"));
    test::buildArchive(archive, {{kMelee, QByteArray(4000, 'a') + QByteArray(4000, 'b')}, {"templates\\Ok.got", record('o')}});
    const test::MemberFacts facts = test::memberFacts(archive, kMelee);
    ASSERT_TRUE(facts.compressed);
    QByteArray bytes = readFile(archive);
    // The compressed data after the sector offsets is garbled.
    for (std::uint32_t i = 12; i < facts.storedSize; ++i)
        bytes[static_cast<qsizetype>(facts.offset + i)] = static_cast<char>(0x5A ^ i);
    writeFile(QStringLiteral("broken.mpq"), bytes);
    const QString message = failureOf([&] { readWholeFile(memberLocation(archive, kMelee)); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("The member templates\\Melee.got "))) << message.toStdString();
    EXPECT_EQ(readFile(archive), bytes);
    // The others are still there to read.
    EXPECT_EQ(readWholeFile(memberLocation(archive, "templates\\Ok.got")), record('o'));
}

TEST_F(Archives, DamagedArchivesFailInWordsNeverInACrash) {
    const QString good = path(QStringLiteral("good.mpq"));
    test::buildArchive(good, {{kList, "\"Melee\"\r\n"},
                              {kMelee, record('m')},
                              {"templates\\Secret.got", QByteArray(3000, 's'), test::Storage::Encrypted},
                              {"triggers\\a.trg", QByteArray(5000, 't'), test::Storage::Plain}});
    const QByteArray original = readFile(good);
    const test::TableSpans spans = test::tableSpans(good);
    ASSERT_GT(spans.hashSize, 0u);
    ASSERT_GT(spans.blockSize, 0u);

    writeFile(QStringLiteral("text.mpq"), "just some text, no archive\n");
    EXPECT_EQ(failureOf([&] { archiveMemberNames(path(QStringLiteral("text.mpq"))); }), QStringLiteral("Not an MPQ archive"));
    writeFile(QStringLiteral("empty.mpq"), {});
    EXPECT_EQ(failureOf([&] { archiveMemberNames(path(QStringLiteral("empty.mpq"))); }), QStringLiteral("Not an MPQ archive"));

    QRandomGenerator random(2024);
    const QString damaged = path(QStringLiteral("damaged.mpq"));
    int notAnArchive = 0;
    int opened = 0;
    for (int round = 0; round < 1000; ++round) {
        QByteArray bytes = original;
        const auto overwrite = [&](std::uint64_t from, std::uint64_t size) {
            const int count = 1 + random.bounded(8);
            for (int i = 0; i < count; ++i)
                bytes[static_cast<qsizetype>(from + random.bounded(static_cast<quint64>(size)))] =
                    static_cast<char>(random.bounded(256));
        };
        switch (round % 4) {
        case 0: bytes.truncate(random.bounded(bytes.size())); break;
        case 1: overwrite(0, 32); break;
        case 2: overwrite(spans.hashOffset, spans.hashSize); break;
        default: overwrite(spans.blockOffset, spans.blockSize); break;
        }
        writeFile(QStringLiteral("damaged.mpq"), bytes);
        const QString listFailure = failureOf([&] {
            for (const QByteArray& name : archiveMemberNames(damaged))
                readWholeFile(memberLocation(damaged, name));
            readWholeFile(memberLocation(damaged, "templates\\Secret.got"));
        });
        notAnArchive += listFailure == QStringLiteral("Not an MPQ archive");
        opened += listFailure.isEmpty() || listFailure.startsWith(QStringLiteral("The member"));
        // A failure is told in words, never as a bare number.
        EXPECT_FALSE(listFailure.contains(QStringLiteral("error"))) << round << ": " << listFailure.toStdString();
        // Writing costs a forced write to disk: one round in ten tries it.
        if (round % 10 < 4) {
            const QString writeFailure = failureOf([&] { writeWholeFile(memberLocation(damaged, kMelee), record('w')); });
            if (!writeFailure.isEmpty()) {
                EXPECT_EQ(readFile(damaged), bytes) << round;
            }
        }
    }
    EXPECT_GT(notAnArchive, 0);
    EXPECT_GT(opened, 0);
}

}  // namespace
}  // namespace pellax
