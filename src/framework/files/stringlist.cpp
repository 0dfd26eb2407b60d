#include "framework/files/stringlist.h"

#include "framework/files/exception.h"

namespace pellax {

void TStringList::check(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

const QString& TStringList::operator[](int index) const {
    check(index);
    return lines_[index];
}

void TStringList::Add(const QString& line) {
    lines_.append(line);
    changed();
}

void TStringList::Delete(int index) {
    check(index);
    lines_.removeAt(index);
    changed();
}

void TStringList::Put(int index, const QString& line) {
    check(index);
    lines_[index] = line;
    changed();
}

void TStringList::Clear() {
    if (lines_.isEmpty())
        return;
    lines_.clear();
    changed();
}

void TStringList::Assign(const QStringList& lines) {
    lines_ = lines;
    changed();
}

QString TStringList::Text() const {
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines_)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines_) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

void TStringList::changed() {
    if (onChange_)
        onChange_();
}

}  // namespace pellax
