#include "framework/paint/textlayout.h"

#include "framework/paint/canvas.h"

#include <algorithm>

namespace pellax {

namespace {

struct PlainLine {
    QString text;
    int accel = -1;  // index of the accelerator character in `text`
};

// Drops the '&' marks; "&&" stands for one ampersand.
PlainLine stripPrefix(const QString& line) {
    PlainLine out;
    out.text.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'&') {
            if (i + 1 < line.size() && line[i + 1] == u'&') {
                out.text += u'&';
                ++i;
            } else if (i + 1 < line.size()) {
                out.accel = static_cast<int>(out.text.size());
            }
            continue;
        }
        out.text += line[i];
    }
    return out;
}

std::vector<QString> splitLines(const QString& text, bool singleLine) {
    std::vector<QString> lines;
    if (singleLine) {
        QString line = text;
        line.remove(u'\r');
        line.remove(u'\n');
        lines.push_back(line);
        return lines;
    }
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.push_back(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        current += c;
    }
    // A break at the very end does not begin another line.
    if (!current.isEmpty() || lines.empty())
        lines.push_back(current);
    return lines;
}

class LineMeasure {
public:
    LineMeasure(const TextMetrics& m, bool expandTabs)
        : m_(m), tabStop_(expandTabs ? std::max(1, 8 * m.averageCharWidth) : 0) {}

    std::vector<TextRun> runs(const QString& line, int* width) const {
        std::vector<TextRun> out;
        if (tabStop_ == 0) {
            out.push_back({0, line});
            *width = m_.width(line);
            return out;
        }
        int x = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != u'\t')
                continue;
            const QString piece = line.mid(start, i - start);
            out.push_back({x, piece});
            x += m_.width(piece);
            if (i < line.size())
                x = (x / tabStop_ + 1) * tabStop_;
            start = i + 1;
        }
        *width = x;
        return out;
    }

    int width(const QString& line) const {
        int w = 0;
        runs(line, &w);
        return w;
    }

private:
    const TextMetrics& m_;
    int tabStop_;
};

// Greedy breaking at blanks; a word wider than the line stands on a line of its own.
std::vector<PlainLine> wrap(const PlainLine& line, int maxWidth, const LineMeasure& measure) {
    std::vector<PlainLine> out;
    const QString& t = line.text;
    qsizetype start = 0;
    for (;;) {
        qsizetype fitEnd = -1;
        qsizetype pos = start;
        for (;;) {
            const qsizetype blank = t.indexOf(u' ', pos);
            const qsizetype wordEnd = blank < 0 ? t.size() : blank;
            if (fitEnd >= 0 && measure.width(t.mid(start, wordEnd - start)) > maxWidth)
                break;
            fitEnd = wordEnd;
            if (blank < 0)
                break;
            pos = blank + 1;
        }
        PlainLine piece{t.mid(start, fitEnd - start), -1};
        if (line.accel >= start && line.accel < fitEnd)
            piece.accel = static_cast<int>(line.accel - start);
        out.push_back(std::move(piece));
        start = fitEnd;
        while (start < t.size() && t[start] == u' ')
            ++start;  // the blanks at a break are dropped
        if (start >= t.size())
            break;
    }
    return out;
}

}  // namespace

TextLayout layoutText(const QString& text, const TRect& r, unsigned format, const TextMetrics& metrics) {
    TextLayout layout;
    if (text.isEmpty())
        return layout;
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const LineMeasure measure(metrics, (format & DT_EXPANDTABS) != 0);

    std::vector<PlainLine> plain;
    for (const QString& raw : splitLines(text, singleLine)) {
        PlainLine line = (format & DT_NOPREFIX) ? PlainLine{raw, -1} : stripPrefix(raw);
        if ((format & DT_WORDBREAK) && !singleLine) {
            for (PlainLine& piece : wrap(line, r.Width(), measure))
                plain.push_back(std::move(piece));
        } else {
            plain.push_back(std::move(line));
        }
    }

    int y = r.Top;
    for (const PlainLine& p : plain) {
        TextLine line;
        line.runs = measure.runs(p.text, &line.width);
        line.y = y;
        y += metrics.lineHeight;
        if (p.accel >= 0) {
            int offset = 0;
            for (std::size_t i = 0; i < line.runs.size(); ++i) {
                const int len = static_cast<int>(line.runs[i].text.size());
                if (p.accel < offset + len) {
                    line.underlineRun = static_cast<int>(i);
                    line.underlineChar = p.accel - offset;
                    break;
                }
                offset += len + 1;  // the tab between runs
            }
        }
        if (format & DT_CENTER)
            line.x = r.Left + (r.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            line.x = r.Right - line.width;
        else
            line.x = r.Left;
        layout.width = std::max(layout.width, line.width);
        layout.lines.push_back(std::move(line));
    }
    layout.height = static_cast<int>(layout.lines.size()) * metrics.lineHeight;
    if (singleLine && !layout.lines.empty()) {
        if (format & DT_VCENTER)
            layout.lines.front().y = r.Top + (r.Height() - metrics.lineHeight) / 2;
        else if (format & DT_BOTTOM)
            layout.lines.front().y = r.Bottom - metrics.lineHeight;
    }
    return layout;
}

QChar accelCharOf(const QString& caption) {
    const PlainLine plain = stripPrefix(caption);
    return plain.accel >= 0 ? plain.text.at(plain.accel) : QChar();
}

QString withoutAccelMarks(const QString& caption) { return stripPrefix(caption).text; }

bool IsAccel(QChar key, const QString& caption) {
    const QChar accel = accelCharOf(caption);
    return !accel.isNull() && !key.isNull() && key.toCaseFolded() == accel.toCaseFolded();
}

}  // namespace pellax
