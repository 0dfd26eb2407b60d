#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace pellax {

// An ordered list of text lines that tells its holder about every change, as a
// control's line-list property does.
class TStringList {
public:
    int Count() const noexcept { return static_cast<int>(lines_.size()); }
    // The line at `index`; raises EListError outside the list.
    const QString& operator[](int index) const;
    const QStringList& lines() const noexcept { return lines_; }

    void Add(const QString& line);
    void Delete(int index);
    void Put(int index, const QString& line);
    void Clear();
    // Replaces every line, with one notification.
    void Assign(const QStringList& lines);
    void Assign(const TStringList& other) { Assign(other.lines_); }

    // Every line followed by a carriage return and a line feed.
    QString Text() const;

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void check(int index) const;
    void changed();

    QStringList lines_;
    std::function<void()> onChange_;
};

}  // namespace pellax
