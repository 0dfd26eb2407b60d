#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace pellax {

enum class DialogKind { Open, Save };

// What a file dialog is asked to show.
struct FileDialogRequest {
    DialogKind kind = DialogKind::Open;
    QString title;       // empty: the platform's own title
    QString filter;      // as written in window descriptions: "Text|*.txt|All|*.*"
    QString defaultExt;  // "got" or "*.got"
    QString fileName;    // proposed name
};

enum class MessageIcon { None, Information, Warning, Error };

// What the member list of an archive is asked to show: the members of one
// kind, by name; the user picks one or types another.
struct MemberChoiceRequest {
    QString title;
    QString archive;
    QStringList members;
};

// The modal dialogs the program shows. The program uses Qt's dialogs; tests put
// scripted answers in their place, so no test ever opens a real dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFile(const FileDialogRequest& request, QWidget* parent) = 0;
    // A box with one OK button.
    virtual void showMessage(const QString& title, const QString& text, MessageIcon icon, QWidget* parent) = 0;
    // The edited text after OK, nothing after Cancel.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text,
                                            int maxLength, QWidget* parent) = 0;
    // The member picked or typed, nothing after Cancel.
    virtual std::optional<QString> chooseMember(const MemberChoiceRequest& request, QWidget* parent) = 0;
};

// Qt's filter syntax for a description filter: "Text|*.txt;*.asc" gives "Text (*.txt *.asc)".
QString toQtFilter(const QString& filter);

// The bare extension of a DefaultExt value: "*.got", ".got" and "got" all give "got".
QString bareExtension(const QString& defaultExt);

// Appends the default extension to a chosen name that has none.
QString withDefaultExtension(const QString& path, const QString& defaultExt);

}  // namespace pellax
