#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace pellax {

// The entries of a template list as the list window holds them: the file's own
// bytes in one block and the place of each entry in it, so that a list of a
// million names costs little more than its file and opens without a copy of
// every name. Added and renamed entries go to the end of the block; what they
// leave behind is given back once it outweighs the entries themselves.
class TemplateEntries {
public:
    TemplateEntries() = default;

    // The entries of a template list file's bytes; see parseTemplateList.
    static TemplateEntries parse(QByteArray bytes);

    int count() const noexcept { return static_cast<int>(spans_.size()); }
    bool empty() const noexcept { return spans_.empty(); }
    // The entry's text; the bytes are Windows-1252.
    QString at(int index) const;
    QByteArrayView bytesAt(int index) const;

    void append(const QString& entry);
    void replace(int index, const QString& entry);
    void removeAt(int index);
    void clear();

    // Every entry followed by CR LF.
    QByteArray serialise() const;
    QStringList toStringList() const;

    // Bytes held for entries that are no longer there.
    qsizetype garbage() const noexcept { return garbage_; }

private:
    struct Span {
        qsizetype start;
        qsizetype size;
    };

    Span store(const QString& entry);
    void compactIfWasteful();

    QByteArray text_;
    std::vector<Span> spans_;
    qsizetype garbage_ = 0;
};

}  // namespace pellax
