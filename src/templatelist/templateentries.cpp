#include "templatelist/templateentries.h"

#include "framework/files/ansicodec.h"

namespace pellax {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr char kEndOfText = 26;

}  // namespace

TemplateEntries TemplateEntries::parse(QByteArray bytes) {
    TemplateEntries list;
    qsizetype size = bytes.indexOf(kEndOfText);
    if (size < 0)
        size = bytes.size();
    const char* const data = bytes.constData();
    // Counting the line ends first sizes the table once: a million entries must
    // not be copied as it grows.
    std::size_t breaks = 1;
    for (qsizetype i = 0; i < size; ++i)
        breaks += data[i] == kCR || data[i] == kLF;
    list.spans_.reserve(breaks);
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char c = data[i];
        if (c != kCR && c != kLF) {
            ++i;
            continue;
        }
        list.spans_.push_back({start, i - start});
        ++i;
        if (c == kCR && i < size && data[i] == kLF)
            ++i;
        start = i;
    }
    if (start < size)
        list.spans_.push_back({start, size - start});
    // The line ends and anything after the end-of-text byte stay in the block unused.
    list.garbage_ = bytes.size();
    for (const Span& s : list.spans_)
        list.garbage_ -= s.size;
    list.text_ = std::move(bytes);
    return list;
}

QByteArrayView TemplateEntries::bytesAt(int index) const {
    const Span& s = spans_.at(static_cast<std::size_t>(index));
    return QByteArrayView(text_.constData() + s.start, s.size);
}

QString TemplateEntries::at(int index) const { return decodeAnsi(bytesAt(index)); }

TemplateEntries::Span TemplateEntries::store(const QString& entry) {
    const QByteArray bytes = encodeAnsi(entry);
    const Span span{text_.size(), bytes.size()};
    text_.append(bytes);
    return span;
}

void TemplateEntries::append(const QString& entry) { spans_.push_back(store(entry)); }

void TemplateEntries::replace(int index, const QString& entry) {
    Span& s = spans_.at(static_cast<std::size_t>(index));
    garbage_ += s.size;
    s = store(entry);
    compactIfWasteful();
}

void TemplateEntries::removeAt(int index) {
    const auto at = spans_.begin() + index;
    garbage_ += spans_.at(static_cast<std::size_t>(index)).size;
    spans_.erase(at);
    compactIfWasteful();
}

void TemplateEntries::clear() {
    spans_.clear();
    text_.clear();
    garbage_ = 0;
}

void TemplateEntries::compactIfWasteful() {
    // Line ends alone make a sizeable share of a freshly read list: give the
    // room back only when it is most of the block.
    if (garbage_ <= text_.size() / 2 || garbage_ < 64 * 1024)
        return;
    QByteArray packed;
    packed.reserve(text_.size() - garbage_);
    for (Span& s : spans_) {
        const qsizetype start = packed.size();
        packed.append(text_.constData() + s.start, s.size);
        s.start = start;
    }
    text_ = std::move(packed);
    garbage_ = 0;
}

QByteArray TemplateEntries::serialise() const {
    qsizetype capacity = 0;
    for (const Span& s : spans_)
        capacity += s.size + 2;
    QByteArray bytes;
    bytes.reserve(capacity);
    for (const Span& s : spans_) {
        bytes.append(text_.constData() + s.start, s.size);
        bytes.append(kCR);
        bytes.append(kLF);
    }
    return bytes;
}

QStringList TemplateEntries::toStringList() const {
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out.append(at(i));
    return out;
}

}  // namespace pellax
