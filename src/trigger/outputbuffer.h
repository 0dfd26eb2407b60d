#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <algorithm>
#include <cstdint>

namespace pellax {

// Appends to a QString or QByteArray through a plain pointer: the text and
// JSON of a large trigger file are millions of small pieces, which appended
// one by one cost more than the work itself. Room is made by ensure() for a
// piece of known greatest size before it is put; the string ends where the
// writing did when the buffer goes.
template <class String, class Char>
class OutputBuffer {
public:
    explicit OutputBuffer(String& out) : out_(out), used_(out.size()) { base_ = reinterpret_cast<Char*>(out_.data()); }
    ~OutputBuffer() { out_.resize(used_); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void ensure(qsizetype room) {
        if (out_.size() - used_ >= room)
            return;
        out_.resize(std::max(out_.size() * 2, used_ + room));
        base_ = reinterpret_cast<Char*>(out_.data());
    }

    void put(Char c) { base_[used_++] = c; }
    // ASCII or Latin-1 text.
    void put(QLatin1StringView text) {
        for (const char c : text)
            base_[used_++] = static_cast<Char>(static_cast<unsigned char>(c));
    }
    void putDecimal(std::uint64_t value) {
        Char digits[20];
        int n = 0;
        do {
            digits[n++] = static_cast<Char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n > 0)
            base_[used_++] = digits[--n];
    }
    void putHexByte(std::uint32_t value) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        put(QLatin1StringView("0x"));
        base_[used_++] = static_cast<Char>(kHex[(value >> 4) & 0xF]);
        base_[used_++] = static_cast<Char>(kHex[value & 0xF]);
    }

private:
    String& out_;
    qsizetype used_;
    Char* base_ = nullptr;
};

using TextBuffer = OutputBuffer<QString, char16_t>;
using JsonBuffer = OutputBuffer<QByteArray, char>;

}  // namespace pellax
