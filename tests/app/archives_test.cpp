#include "app/program.h"
#include "framework/files/archivemembers.h"
#include "framework/files/fileaccess.h"
#include "framework/files/filelocation.h"
#include "framework/windows/application.h"
#include "got/mainform.h"
#include "programfixture.h"
#include "support/mpqbuilder.h"
#include "templatelist/templateform.h"
#include "templatelist/templatelistmodel.h"
#include "trigger/triggercommands.h"

#include <QAction>
#include <QLineEdit>

namespace pellax {
namespace {

using test::gotBytes;

// The windows' commands on MPQ archives, with the member list and the
// member-name box answered by script.
class ArchiveWindows : public test::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        archive = path(QStringLiteral("mod.mpq"));
        test::buildArchive(archive, {{"templates\\templates.lst", "\"Melee\"\r\n"},
                                     {"templates\\Melee.got", gotBytes("Melee")},
                                     {"templates\\Hidden.got", gotBytes("Hidden")},
                                     {"triggers\\Melee.trg", "body", test::Storage::Plain}},
                           false);
    }
    template <class F>
    void command(F&& f) {
        Application::instance().guard(std::forward<F>(f));
    }
    QString lastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }

    QString archive;
};

TEST_F(ArchiveWindows, TheEditorLoadsAMemberPickedFromTheListAndSavesIntoTheArchive) {
    Tmainform& editor = program->mainform();
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("templates\\Melee.got"));
    command([&] { editor.LoadGotfile1Click(); });
    ASSERT_EQ(dialogs->memberRequests.size(), 1u);
    EXPECT_EQ(dialogs->memberRequests[0].title, QStringLiteral("Game types in mod.mpq"));
    // No listfile: the game's own list names the member.
    EXPECT_EQ(dialogs->memberRequests[0].members, QStringList{QStringLiteral("templates\\Melee.got")});
    EXPECT_EQ(dialogs->fileRequests[0].filter, QStringLiteral("Starcraft GOT files|*.got|MPQ archives|*.mpq"));
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Melee"));
    EXPECT_EQ(editor.Caption(), QStringLiteral("Pellax - ") + archive + QStringLiteral("\\templates\\Melee.got"));

    // Saving into the archive proposes the member it came from.
    editor.gametypename->setText(QStringLiteral("Changed"));
    dialogs->answerFile(archive);
    dialogs->answerInput(QStringLiteral("templates\\Melee(1).got"));
    command([&] { editor.SaveGOTfile1Click(); });
    ASSERT_EQ(dialogs->inputBoxes.size(), 1u);
    EXPECT_EQ(dialogs->inputBoxes[0].text, QStringLiteral("templates\\Melee.got"));
    EXPECT_EQ(readWholeFile(memberLocation(archive, "templates\\Melee(1).got")).mid(1, 7), QByteArray("Changed"));
    EXPECT_EQ(readWholeFile(memberLocation(archive, "templates\\Melee.got")), gotBytes("Melee"));
    EXPECT_EQ(editor.Caption(), QStringLiteral("Pellax - ") + archive + QStringLiteral("\\templates\\Melee(1).got"));
    EXPECT_TRUE(dialogs->messages.empty());

    // A member the archive cannot name is typed; a cancelled list changes nothing.
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("templates\\Hidden.got"));
    command([&] { editor.LoadGotfile1Click(); });
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Hidden"));
    dialogs->answerFile(archive);
    dialogs->answerMember(std::nullopt);
    command([&] { editor.LoadGotfile1Click(); });
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Hidden"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ArchiveWindows, BadArchivesAreToldAndNothingChanges) {
    const QString text = writeFile(QStringLiteral("notes.mpq"), "text");
    dialogs->answerFile(text);
    command([&] { program->mainform().LoadGotfile1Click(); });
    EXPECT_EQ(lastMessage(), QStringLiteral("Not an MPQ archive."));
    EXPECT_TRUE(dialogs->memberRequests.empty());
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax"));
}

TEST_F(ArchiveWindows, TheListWindowAndTheTriggerCommandsWorkOnMembers) {
    Ttemplateform& lists = program->templateform();
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("templates\\templates.lst"));
    command([&] { lists.Opentemplatefile1Click(); });
    EXPECT_EQ(dialogs->memberRequests.back().title, QStringLiteral("Template lists in mod.mpq"));
    EXPECT_EQ(lists.entries->entries().toStringList(), QStringList{QStringLiteral("\"Melee\"")});
    lists.entries->append(QStringLiteral("\"Hidden\""));
    dialogs->answerFile(archive);
    dialogs->answerInput(QStringLiteral("templates\\templates.lst"));
    command([&] { lists.Savetemplatefile1Click(); });
    EXPECT_EQ(dialogs->inputBoxes.back().text, QStringLiteral("templates\\templates.lst"));
    // The game's list now names Hidden.got too, which the archive can therefore name.
    EXPECT_TRUE(archiveMemberNames(archive).contains("templates\\Hidden.got"));

    TOpenDialog opentrigs(nullptr, QStringLiteral("opentrigs"));
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("triggers\\Melee.trg"));
    command([&] { Addheader1Click(opentrigs, nullptr); });
    EXPECT_EQ(dialogs->memberRequests.back().title, QStringLiteral("Trigger files in mod.mpq"));
    EXPECT_EQ(readWholeFile(memberLocation(archive, "triggers\\Melee.trged")),
              QByteArray("\x71\x77\x98\x36\x18\x00\x00\x00", 8) + "body");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ArchiveWindows, AnArchiveOnTheCommandLineOpensItsMemberList) {
    dialogs->answerMember(QStringLiteral("templates\\Melee.got"));
    program->openFiles({archive});
    ASSERT_EQ(dialogs->memberRequests.size(), 1u);
    EXPECT_EQ(program->mainform().gametypename->text(), QStringLiteral("Melee"));
    // A member named directly opens as it is.
    program->openFiles({memberLocation(archive, "templates\\Hidden.got")});
    EXPECT_EQ(dialogs->memberRequests.size(), 1u);
    EXPECT_EQ(program->mainform().gametypename->text(), QStringLiteral("Hidden"));
}

}  // namespace
}  // namespace pellax
