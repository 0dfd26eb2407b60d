#include "trigger/triggerlexer.h"
#include "trigger/triggertext.h"
#include "trigger/triggertextform.h"
#include "trigger/triggertypes.h"
#include "trigger/triggervalues.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace pellax {

namespace {

using namespace textform;

QString quotedForMessage(QStringView text) { return QLatin1Char('"') + text.toString() + QLatin1Char('"'); }

// Edit distance, for "did you mean".
int distance(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            row[static_cast<std::size_t>(j)] = std::min({above + 1, row[static_cast<std::size_t>(j - 1)] + 1,
                                                          diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The part of a message that names what was expected for an unknown type.
QString typeSuggestion(QStringView name, std::span<const SlotType> types, const char* kind) {
    const QString key = nameKey(name);
    const SlotType* best = nullptr;
    int bestDistance = std::max<int>(2, static_cast<int>(key.size()) / 3) + 1;
    for (const SlotType& type : types) {
        const int d = distance(key, nameKey(QLatin1StringView(type.name)));
        if (d < bestDistance) {
            bestDistance = d;
            best = &type;
        }
    }
    if (best)
        return QStringLiteral("did you mean \"%1\"?").arg(QLatin1StringView(best->name));
    return QStringLiteral("expected %1 such as \"%2\", or Custom(...)").arg(QLatin1StringView(kind), QLatin1StringView(types[1].name));
}

// One argument between the parentheses: its tokens, [first, last].
struct Argument {
    std::size_t first;
    std::size_t last;
};

enum class Section { None, Conditions, Actions, Flags, CurrentAction };

class Reader {
public:
    explicit Reader(QStringView text) : text_(text), lexer_(text, result_.errors, lexedLines_) {
        // A trigger takes some hundreds of characters at the least: room for as
        // many as could be saves copying them all as the list grows.
        result_.triggers.reserve(static_cast<std::size_t>(text.size()) / 1024);
    }

    CompiledTriggers run() {
        while (peek().kind != TokenKind::End) {
            if (isWord(peek(), TriggerWord)) {
                readTrigger();
                continue;
            }
            // Told once: what follows up to the next trigger belongs to the one not begun.
            expectedHere(QStringLiteral("\"Trigger(\""));
            while (peek().kind != TokenKind::End && !isWord(peek(), TriggerWord))
                ++pos_;
        }
        std::stable_sort(result_.errors.begin(), result_.errors.end(), [](const TriggerTextError& a, const TriggerTextError& b) {
            return a.line != b.line ? a.line < b.line : a.column < b.column;
        });
        return std::move(result_);
    }

private:
    // The token at `index` of those kept, lexing lines as far as needed; End past the end.
    Token at(std::size_t index) {
        while (index >= tokens_.size() && lexer_.next(tokens_)) {
        }
        return tokens_[std::min(index, tokens_.size() - 1)];
    }
    Token peek(std::size_t ahead = 0) { return at(pos_ + ahead); }
    // Tokens before the last one read are no longer needed between statements.
    void forgetRead() {
        if (pos_ < 4096)
            return;
        tokens_.erase(tokens_.begin(), tokens_.begin() + static_cast<std::ptrdiff_t>(pos_ - 1));
        pos_ = 1;
    }
    QStringView textOf(const Token token) const { return text_.mid(token.start, token.length); }
    bool accept(TokenKind kind) {
        if (peek().kind != kind)
            return false;
        ++pos_;
        return true;
    }
    // A single word, such as "Trigger", in any case.
    bool isWord(const Token token, QLatin1StringView word) const {
        return token.kind == TokenKind::Word && textOf(token).compare(word, Qt::CaseInsensitive) == 0;
    }

    QString describe(const Token token) const {
        return token.kind == TokenKind::End ? QStringLiteral("the end of the text") : quotedForMessage(textOf(token));
    }

    void report(int line, int column, const QString& message) { result_.errors.push_back({line, column, message}); }

    // A mistake in the text's shape: told once for its line, whose rest is skipped.
    void syntaxError(int line, int column, const QString& message) {
        if (line == lastSyntaxLine_ || std::binary_search(lexedLines_.begin(), lexedLines_.end(), line))
            return;
        lastSyntaxLine_ = line;
        report(line, column, message);
    }
    void skipLine(int line) {
        while (peek().kind != TokenKind::End && peek().line == line)
            ++pos_;
    }
    // `what` should have begun here.
    void expectedHere(const QString& what) {
        const Token token = peek();
        syntaxError(token.line, token.column, QStringLiteral("expected %1, found %2").arg(what, describe(token)));
        skipLine(token.line);
    }
    // `what` should have followed the last token: when the line ended there,
    // it is missing at that end and what follows is read on.
    void expectedAfter(const QString& what) {
        const Token token = peek();
        if (pos_ > 0 && token.line > tokens_[pos_ - 1].line) {
            const Token last = tokens_[pos_ - 1];
            const int end = last.column + last.length + (last.kind == TokenKind::Quoted ? 2 : 0);
            syntaxError(last.line, end, QStringLiteral("expected %1").arg(what));
            return;
        }
        expectedHere(what);
    }

    // Words of one line: "Command the Most At". Returns the span of the text.
    QStringView phrase() {
        const Token first = peek();
        std::size_t last = pos_;
        while (at(last + 1).kind == TokenKind::Word && at(last + 1).line == first.line)
            ++last;
        const Token end = tokens_[last];
        pos_ = last + 1;
        return text_.mid(first.start, end.start + end.length - first.start);
    }
    bool headerFollows() {
        std::size_t ahead = pos_;
        const int line = peek().line;
        while (at(ahead).kind == TokenKind::Word && at(ahead).line == line)
            ++ahead;
        return ahead > pos_ && at(ahead).kind == TokenKind::Colon;
    }

    void readTrigger() {
        ++pos_;  // "Trigger"
        Trigger trigger;
        if (accept(TokenKind::Open))
            readOwners(trigger);
        else
            expectedAfter(QStringLiteral("\"(\""));
        if (!accept(TokenKind::BraceOpen))
            expectedAfter(QStringLiteral("\"{\""));
        Section section = Section::None;
        std::size_t conditions = 0;
        std::size_t actions = 0;
        for (;;) {
            forgetRead();
            const Token token = peek();
            if (accept(TokenKind::BraceClose))
                break;
            if (token.kind == TokenKind::End || (isWord(token, TriggerWord) && peek(1).kind == TokenKind::Open)) {
                expectedAfter(QStringLiteral("\"}\" to end the trigger"));
                break;
            }
            const std::size_t start = pos_;
            if (token.kind == TokenKind::Word && headerFollows()) {
                section = readHeader(section, trigger);
            } else if (section == Section::Conditions || section == Section::Actions) {
                readStatement(section, trigger, section == Section::Conditions ? conditions : actions);
            } else {
                expectedHere(section == Section::None ? QStringLiteral("\"Conditions:\"") : QStringLiteral("\"}\""));
            }
            if (pos_ == start)
                skipLine(peek().line);
        }
        result_.triggers.push_back(trigger);
    }

    void readOwners(Trigger& trigger) {
        if (accept(TokenKind::Close))
            return;
        std::array<bool, Trigger::OwnerCount> given{};
        for (;;) {
            const Token first = peek();
            QStringView name;
            if (first.kind == TokenKind::Quoted) {
                name = textOf(first);
                ++pos_;
            } else if (first.kind == TokenKind::Word) {
                name = phrase();
            } else {
                expectedHere(QStringLiteral("a player or group"));
                return;
            }
            const std::optional<std::uint32_t> player = argumentValue(ArgKind::Player, name, false, kLastPlayerOrGroup);
            std::uint32_t owner = 1;
            if (accept(TokenKind::Colon)) {
                const Token number = peek();
                const std::optional<std::uint32_t> value =
                    number.kind == TokenKind::Word ? parseTriggerNumber(textOf(number), 255) : std::nullopt;
                if (!value) {
                    expectedHere(QStringLiteral("a number from 0 to 255 after \":\""));
                    return;
                }
                ++pos_;
                owner = *value;
            }
            if (!player) {
                report(first.line, first.column,
                       QStringLiteral("expected %1, found %2").arg(kindDescription(ArgKind::Player), quotedForMessage(name)));
            } else if (given[*player]) {
                report(first.line, first.column, QStringLiteral("%1 is given twice").arg(quotedForMessage(name)));
            } else {
                given[*player] = true;
                trigger.owners[*player] = static_cast<std::uint8_t>(owner);
            }
            if (accept(TokenKind::Comma))
                continue;
            if (!accept(TokenKind::Close))
                expectedAfter(QStringLiteral("\",\" or \")\""));
            return;
        }
    }

    Section readHeader(Section current, Trigger& trigger) {
        const Token first = peek();
        const QStringView name = phrase();
        ++pos_;  // ":"
        const QString key = nameKey(name);
        const auto is = [&](QLatin1StringView word) { return key == nameKey(word); };
        Section next = Section::None;
        if (is(Conditions))
            next = Section::Conditions;
        else if (is(Actions))
            next = Section::Actions;
        else if (is(Flags))
            next = Section::Flags;
        else if (is(CurrentAction))
            next = Section::CurrentAction;
        if (next == Section::None) {
            syntaxError(first.line, first.column,
                        QStringLiteral("expected \"Conditions:\", \"Actions:\", \"Flags:\" or \"Current Action:\", found %1")
                            .arg(quotedForMessage(name.toString() + QLatin1Char(':'))));
            skipLine(first.line);
            return current;
        }
        if (next <= current) {
            syntaxError(first.line, first.column,
                        QStringLiteral("%1 comes too late: the order is Conditions:, Actions:, Flags:, Current Action:")
                            .arg(quotedForMessage(name.toString() + QLatin1Char(':'))));
            skipLine(first.line);
            return current;
        }
        if (next == Section::Flags)
            readFlags(trigger);
        else if (next == Section::CurrentAction)
            readCurrentAction(trigger);
        return next;
    }

    void readFlags(Trigger& trigger) {
        const Token bits = peek();
        const QStringView text = bits.kind == TokenKind::Word ? textOf(bits) : QStringView();
        const bool binary = !text.isEmpty() && text.size() <= FlagBits &&
                            std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'0' || c == u'1'; });
        if (!binary) {
            expectedHere(QStringLiteral("the trigger's 32 flags in binary (0 and 1)"));
            return;
        }
        ++pos_;
        std::uint32_t flags = 0;
        for (const QChar c : text)
            flags = flags << 1 | (c == u'1' ? 1u : 0u);
        trigger.flags = flags;
        if (!accept(TokenKind::Semicolon))
            expectedAfter(QStringLiteral("\";\""));
    }

    void readCurrentAction(Trigger& trigger) {
        const Token number = peek();
        const std::optional<std::uint32_t> value = number.kind == TokenKind::Word ? parseTriggerNumber(textOf(number), 255) : std::nullopt;
        if (!value) {
            expectedHere(QStringLiteral("the index of the current action, 0 to 255"));
            return;
        }
        ++pos_;
        trigger.currentAction = static_cast<std::uint8_t>(*value);
        if (!accept(TokenKind::Semicolon))
            expectedAfter(QStringLiteral("\";\""));
    }

    void readStatement(Section section, Trigger& trigger, std::size_t& count) {
        const bool condition = section == Section::Conditions;
        const Token start = peek();
        const bool disabled = accept(TokenKind::Semicolon);
        const Token nameToken = peek();
        if (nameToken.kind != TokenKind::Word) {
            expectedHere(condition ? QStringLiteral("a condition") : QStringLiteral("an action"));
            return;
        }
        const QStringView name = phrase();
        const Token open = peek();
        if (!accept(TokenKind::Open)) {
            expectedAfter(QStringLiteral("\"(\" after %1").arg(quotedForMessage(name)));
            return;
        }
        std::vector<Argument> arguments;
        if (!accept(TokenKind::Close)) {
            for (;;) {
                // A statement is one line: a line that ends early misses the rest.
                const std::size_t first = pos_;
                while ((peek().kind == TokenKind::Word || peek().kind == TokenKind::Quoted || peek().kind == TokenKind::Equals) &&
                       peek().line == nameToken.line)
                    ++pos_;
                if (pos_ == first) {
                    expectedAfter(QStringLiteral("an argument"));
                    return;
                }
                arguments.push_back({first, pos_ - 1});
                if (accept(TokenKind::Comma))
                    continue;
                if (accept(TokenKind::Close))
                    break;
                expectedAfter(QStringLiteral("\",\" or \")\""));
                return;
            }
        }
        const Token close = tokens_[pos_ - 1];
        if (!accept(TokenKind::Semicolon))
            expectedAfter(QStringLiteral("\";\""));

        const std::size_t limit = condition ? Trigger::ConditionCount : Trigger::ActionCount;
        if (count == limit) {
            report(start.line, start.column,
                   QStringLiteral("a trigger holds at most %1 %2").arg(limit).arg(condition ? QStringLiteral("conditions") : QStringLiteral("actions")));
            return;
        }
        const std::size_t slot = count++;
        if (condition)
            build(trigger.conditions[slot], name, nameToken, open, close, arguments, disabled, conditionTypes(),
                  findConditionType(name), cf::Type, cf::Flags, "a condition");
        else
            build(trigger.actions[slot], name, nameToken, open, close, arguments, disabled, actionTypes(),
                  findActionType(name), af::Type, af::Flags, "an action");
    }

    // The text an argument gives, and whether it was in quotes.
    std::pair<QStringView, bool> argumentText(const Argument& argument) const {
        const Token first = tokens_[argument.first];
        if (argument.first == argument.last && first.kind == TokenKind::Quoted)
            return {textOf(first), true};
        const Token last = tokens_[argument.last];
        return {text_.mid(first.start, last.start + last.length - first.start), false};
    }
    // Field=value: the field's name and the value's token; nothing for a plain argument.
    std::optional<std::pair<QStringView, Token>> extraOf(const Argument& argument) const {
        if (argument.last != argument.first + 2 || tokens_[argument.first].kind != TokenKind::Word ||
            tokens_[argument.first + 1].kind != TokenKind::Equals || tokens_[argument.last].kind != TokenKind::Word)
            return std::nullopt;
        return std::make_pair(textOf(tokens_[argument.first]), tokens_[argument.last]);
    }
    void argumentError(const Argument& argument, const QString& message) {
        const Token first = tokens_[argument.first];
        report(first.line, first.column, message);
    }
    QString found(const Argument& argument) const { return quotedForMessage(argumentText(argument).first); }

    template <class Slot>
    void build(Slot& slot, QStringView name, const Token nameToken, const Token open, const Token close,
               const std::vector<Argument>& arguments, bool disabled, std::span<const SlotType> types,
               const SlotType* type, const SlotField& typeField, const SlotField& flagsField, const char* kind) {
        const std::span<const SlotField> fields = fieldsOf<Slot>();
        static const NameKey custom(Custom);
        if (NameKey(name) == custom) {
            if (arguments.size() != fields.size()) {
                QStringList names;
                for (const SlotField& field : fields)
                    names.append(QLatin1StringView(field.name));
                report(open.line, open.column,
                       QStringLiteral("Custom takes %1 numbers (%2), found %3").arg(fields.size()).arg(names.join(QStringLiteral(", "))).arg(arguments.size()));
                return;
            }
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const std::optional<std::uint32_t> value = parseTriggerNumber(argumentText(arguments[i]).first, fields[i].maximum());
                if (!value)
                    argumentError(arguments[i], QStringLiteral("%1: expected a number from 0 to %2, found %3")
                                                    .arg(QLatin1StringView(fields[i].name))
                                                    .arg(fields[i].maximum())
                                                    .arg(found(arguments[i])));
                else
                    slot.setValue(fields[i], *value);
            }
            setDisabled(slot, flagsField, disabled);
            return;
        }
        if (!type) {
            report(nameToken.line, nameToken.column,
                   QStringLiteral("unknown %1 %2: %3")
                       .arg(typeField == cf::Type ? QStringLiteral("condition") : QStringLiteral("action"),
                            quotedForMessage(name), typeSuggestion(name, types, kind)));
            return;
        }
        slot.setValue(typeField, type->number);
        std::uint32_t flags = type->flags;

        // The arguments, then the extras.
        std::size_t positional = 0;
        while (positional < arguments.size() && !extraOf(arguments[positional]))
            ++positional;
        for (std::size_t i = positional; i < arguments.size(); ++i) {
            if (!extraOf(arguments[i])) {
                argumentError(arguments[i], QStringLiteral("expected Field=value: the arguments come before the extras, found %1")
                                                .arg(found(arguments[i])));
                return;
            }
        }
        const std::span<const TypeArgument> wanted = type->arguments();
        if (positional != wanted.size()) {
            QStringList labels;
            for (const TypeArgument& argument : wanted)
                labels.append(QLatin1StringView(argument.label));
            const QString message =
                wanted.empty() ? QStringLiteral("%1 takes no arguments, found %2").arg(QLatin1StringView(type->name)).arg(positional)
                               : QStringLiteral("%1 takes %2 (%3), found %4")
                                     .arg(QLatin1StringView(type->name))
                                     .arg(wanted.size() == 1 ? QStringLiteral("1 argument") : QStringLiteral("%1 arguments").arg(wanted.size()))
                                     .arg(labels.join(QStringLiteral(", ")))
                                     .arg(positional);
            if (positional > wanted.size())
                argumentError(arguments[wanted.size()], message);
            else
                report(close.line, close.column, message);
            return;
        }
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            const TypeArgument& argument = wanted[i];
            const auto [text, quoted] = argumentText(arguments[i]);
            if (argument.kind == ArgKind::Display) {
                const std::optional<std::uint32_t> display = namedValue(ArgKind::Display, text);
                if (!display)
                    argumentError(arguments[i], QStringLiteral("%1: expected %2, found %3")
                                                    .arg(QLatin1StringView(argument.label), kindDescription(argument.kind), found(arguments[i])));
                else if (*display)
                    flags |= slotflag::AlwaysDisplay;
                continue;
            }
            const std::optional<std::uint32_t> value = argumentValue(argument.kind, text, quoted, argument.field.maximum());
            if (!value)
                argumentError(arguments[i], QStringLiteral("%1: expected %2, found %3")
                                                .arg(QLatin1StringView(argument.label), kindDescription(argument.kind), found(arguments[i])));
            else
                slot.setValue(argument.field, *value);
        }
        std::vector<const SlotField*> given;
        for (std::size_t i = positional; i < arguments.size(); ++i) {
            const auto extra = extraOf(arguments[i]);
            const QString key = nameKey(extra->first);
            const auto field = std::find_if(fields.begin(), fields.end(), [&](const SlotField& f) {
                return f != typeField && key == QLatin1StringView(f.name);
            });
            if (field == fields.end()) {
                QStringList names;
                for (const SlotField& f : fields) {
                    if (f != typeField && !type->uses(f))
                        names.append(extraName(f));
                }
                argumentError(arguments[i], QStringLiteral("expected one of %1 before \"=\", found %2")
                                                .arg(names.join(QStringLiteral(", ")), quotedForMessage(extra->first)));
                continue;
            }
            if (type->uses(*field)) {
                argumentError(arguments[i], QStringLiteral("%1 is one of the arguments of %2, not an extra")
                                                .arg(extraName(*field), QLatin1StringView(type->name)));
                continue;
            }
            if (std::find(given.begin(), given.end(), &*field) != given.end()) {
                argumentError(arguments[i], QStringLiteral("%1 is given twice").arg(extraName(*field)));
                continue;
            }
            given.push_back(&*field);
            const std::optional<std::uint32_t> value = parseTriggerNumber(textOf(extra->second), field->maximum());
            if (!value) {
                report(extra->second.line, extra->second.column,
                       QStringLiteral("%1: expected a number from 0 to %2, found %3")
                           .arg(extraName(*field))
                           .arg(field->maximum())
                           .arg(quotedForMessage(textOf(extra->second))));
                continue;
            }
            if (*field == flagsField) {
                // The disabled mark and Always Display keep deciding their bits.
                const std::uint32_t shown = type->shownFlags();
                flags = (*value & ~shown) | (flags & shown);
            } else {
                slot.setValue(*field, *value);
            }
        }
        slot.setValue(flagsField, flags);
        setDisabled(slot, flagsField, disabled);
    }

    template <class Slot>
    static void setDisabled(Slot& slot, const SlotField& flagsField, bool disabled) {
        const std::uint32_t flags = slot.value(flagsField) & ~static_cast<std::uint32_t>(slotflag::Disabled);
        slot.setValue(flagsField, flags | (disabled ? slotflag::Disabled : 0));
    }

    QStringView text_;
    int lastSyntaxLine_ = 0;
    std::vector<int> lexedLines_;  // lines whose text in quotes does not end, in order
    CompiledTriggers result_;
    TriggerLexer lexer_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
};

}  // namespace

CompiledTriggers compileTriggerText(QStringView text) { return Reader(text).run(); }

}  // namespace pellax
