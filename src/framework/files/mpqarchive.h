#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

namespace pellax {

// The archive library's calls, as the program makes them. Each returns what it
// found or the library's error code (0 for none); none raises, since they run
// apart from the program (isolatedcall.h), where a crash on a damaged archive
// harms nothing. archivemembers.h is what the rest of the program calls.
namespace mpq {

// Failures of the program's own beside the library's codes.
inline constexpr int NoSuchMember = -1;
inline constexpr int MemberTooLarge = -2;

// What went wrong, and at which step: opening the archive, reading from it or
// writing into it.
enum class Step { None, Open, Read, Write };

struct Failure {
    Step step = Step::None;
    int code = 0;
    explicit operator bool() const noexcept { return step != Step::None; }
};

// The names of the archive's members that can be named: those its listfile
// gives, the game's template list `templates\templates.lst` and the game types
// that list names (its entries without their extensions, plus ".got", under
// `templates\`). The library's made-up names for members it cannot name are
// left out, and so are the archive's own files such as "(listfile)".
Failure listMembers(const QByteArray& archive, QList<QByteArray>& names);

// A member's whole content.
Failure readMember(const QByteArray& archive, const QByteArray& member, QByteArray& content);

// Adds or replaces a member of the archive in place (the caller works on a
// copy), compressed and encrypted like the member it replaces or, for a new
// one, like the archive's other members.
Failure writeMember(const QByteArray& archive, const QByteArray& member, const QByteArray& content);

// The largest member the program reads: far above any file it edits.
inline constexpr std::int64_t kMaxMemberSize = std::int64_t{256} << 20;

// The names the game gives template files in a template list's text.
QList<QByteArray> templateMemberNames(const QByteArray& listText);

// Whether two member names name the same member: the archive compares them
// without regard to ASCII case, and with '/' for '\'.
bool sameMemberName(const QByteArray& a, const QByteArray& b);

}  // namespace mpq

}  // namespace pellax
