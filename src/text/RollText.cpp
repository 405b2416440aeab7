#include "text/RollText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include "text/TranslateEarly.h"

namespace rollkin {

namespace {

QString Translated(const QTranslator* catalogue, const char* text) {
    return catalogue != nullptr ? TranslateEarly(catalogue, "Roll", text)
                                : QCoreApplication::translate("Roll", text);
}

// A syntax error's words: what was expected at its column.
struct ExpectedWording {
    RollExpected expected;
    const char* source;
};

constexpr ExpectedWording ExpectedWordings[] = {
    {RollExpected::Number, QT_TRANSLATE_NOOP("Roll", "a number is expected at column %1")},
    {RollExpected::Faces,
     QT_TRANSLATE_NOOP("Roll", "a number of faces, % or F is expected at column %1")},
    {RollExpected::HighOrLow, QT_TRANSLATE_NOOP("Roll", "h or l is expected at column %1")},
    {RollExpected::CloseParen,
     QT_TRANSLATE_NOOP("Roll", "a closing parenthesis is expected at column %1")},
    {RollExpected::OperatorOrEnd,
     QT_TRANSLATE_NOOP("Roll", "+, -, *, /, %, ^, a comma or the end is expected at column %1")},
    {RollExpected::Operator, QT_TRANSLATE_NOOP("Roll", "an operator is expected at column %1")},
    {RollExpected::CloseBrace,
     QT_TRANSLATE_NOOP("Roll", "a comma or a closing brace is expected at column %1")},
    {RollExpected::CloseBracket,
     QT_TRANSLATE_NOOP("Roll", "a closing bracket is expected at column %1")},
};

const char* Expected(RollExpected expected) {
    for (const ExpectedWording& w : ExpectedWordings) {
        if (w.expected == expected) return w.source;
    }
    return QT_TRANSLATE_NOOP("Roll", "a number or a dice term is expected at column %1");
}

// What fills an error's %1 and %2.
enum class Fill { Nothing, Column, Limit, Characters, Rolls, Depth, Dice, Text };

struct Wording {
    RollErrorKind kind;
    const char* source;
    Fill first = Fill::Column;
    Fill second = Fill::Nothing;
};

// Every error but a syntax error, whose words say what was expected.
constexpr Wording Wordings[] = {
    {RollErrorKind::TooLong, QT_TRANSLATE_NOOP("Roll", "the roll is longer than %1 characters"),
     Fill::Characters, Fill::Nothing},
    {RollErrorKind::TooManyRolls, QT_TRANSLATE_NOOP("Roll", "more than %1 rolls at column %2"),
     Fill::Rolls, Fill::Column},
    {RollErrorKind::TooDeep,
     QT_TRANSLATE_NOOP("Roll", "parentheses nested more than %1 deep at column %2"), Fill::Depth,
     Fill::Column},
    {RollErrorKind::TooManyDice,
     QT_TRANSLATE_NOOP("Roll", "too many dice (more than %1) at column %2"), Fill::Dice,
     Fill::Column},
    {RollErrorKind::NumberTooLarge,
     QT_TRANSLATE_NOOP("Roll", "the number at column %1 is larger than %2"), Fill::Column,
     Fill::Limit},
    {RollErrorKind::NoDice, QT_TRANSLATE_NOOP("Roll", "0 dice at column %1")},
    {RollErrorKind::NoFaces, QT_TRANSLATE_NOOP("Roll", "dice of 0 faces at column %1")},
    {RollErrorKind::CannotExplode,
     QT_TRANSLATE_NOOP("Roll", "a d1 or a Fate die cannot explode, at column %1")},
    {RollErrorKind::DivisionByZero, QT_TRANSLATE_NOOP("Roll", "division by zero at column %1")},
    {RollErrorKind::Overflow, QT_TRANSLATE_NOOP("Roll", "a value past 64 bits at column %1")},
    {RollErrorKind::AlwaysRerolls,
     QT_TRANSLATE_NOOP("Roll", "every face would be rerolled, at column %1")},
    {RollErrorKind::AlwaysExplodes,
     QT_TRANSLATE_NOOP("Roll", "every die would explode, at column %1")},
    {RollErrorKind::TextTooLong,
     QT_TRANSLATE_NOOP("Roll", "a label or note longer than %1 characters at column %2"),
     Fill::Text, Fill::Column},
    {RollErrorKind::ControlCharacter,
     QT_TRANSLATE_NOOP("Roll", "a control character at column %1")},
    {RollErrorKind::DiceInCount,
     QT_TRANSLATE_NOOP("Roll", "dice in a count or a number of faces, at column %1")},
    {RollErrorKind::NoRepeats, QT_TRANSLATE_NOOP("Roll", "0 repeats at column %1")},
};

RollValue Filled(Fill fill, const RollError& e) {
    // In the order of Fill.
    const RollValue values[] = {0,
                                e.column,
                                e.limit,
                                RollLimits::Characters,
                                RollLimits::Rolls,
                                RollLimits::Depth,
                                RollLimits::Dice,
                                RollLimits::Text};
    return values[static_cast<int>(fill)];
}

}  // namespace

QString RollErrorText(const RollError& e, const QTranslator* catalogue) {
    if (e.kind == RollErrorKind::Syntax)
        return Translated(catalogue, Expected(e.expected)).arg(e.column);
    for (const Wording& w : Wordings) {
        if (w.kind != e.kind) continue;
        QString text = Translated(catalogue, w.source).arg(Filled(w.first, e));
        return w.second == Fill::Nothing ? text : text.arg(Filled(w.second, e));
    }
    return {};
}

RollWords RollWordsText(const QTranslator* catalogue) {
    return {Translated(catalogue, QT_TRANSLATE_NOOP("Roll", "natural 20")).toStdString(),
            Translated(catalogue, QT_TRANSLATE_NOOP("Roll", "natural 1")).toStdString(),
            Translated(catalogue, QT_TRANSLATE_NOOP("Roll", "critical %1")).toStdString(),
            Translated(catalogue, QT_TRANSLATE_NOOP("Roll", "critical failure %1")).toStdString(),
            Translated(catalogue, QT_TRANSLATE_NOOP("Roll", "successes %1, failures %2"))
                .toStdString()};
}

QString SpokenLine(const QString& plain) {
    static const QRegularExpression struck(QStringLiteral("~([^~\\s]+)~"));
    QString spoken;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : struck.globalMatch(plain)) {
        spoken += plain.mid(from, m.capturedStart() - from);
        //: A die left out of a roll's total, as a screen reader says it; %1 is its face.
        spoken += QCoreApplication::translate("Roll", "%1, dropped").arg(m.captured(1));
        from = m.capturedEnd();
    }
    return spoken + plain.mid(from);
}

}  // namespace rollkin
