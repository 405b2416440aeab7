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

const char* Expected(RollExpected expected) {
    switch (expected) {
        case RollExpected::Number:
            return QT_TRANSLATE_NOOP("Roll", "a number is expected at column %1");
        case RollExpected::Faces:
            return QT_TRANSLATE_NOOP("Roll", "a number of faces, % or F is expected at column %1");
        case RollExpected::HighOrLow:
            return QT_TRANSLATE_NOOP("Roll", "h or l is expected at column %1");
        case RollExpected::CloseParen:
            return QT_TRANSLATE_NOOP("Roll", "a closing parenthesis is expected at column %1");
        case RollExpected::OperatorOrEnd:
            return QT_TRANSLATE_NOOP(
                "Roll", "+, -, *, /, %, ^, a comma or the end is expected at column %1");
        case RollExpected::Operator:
            return QT_TRANSLATE_NOOP("Roll", "an operator is expected at column %1");
        case RollExpected::CloseBrace:
            return QT_TRANSLATE_NOOP("Roll", "a comma or a closing brace is expected at column %1");
        case RollExpected::CloseBracket:
            return QT_TRANSLATE_NOOP("Roll", "a closing bracket is expected at column %1");
        case RollExpected::Nothing:
        case RollExpected::NumberOrDice:
            break;
    }
    return QT_TRANSLATE_NOOP("Roll", "a number or a dice term is expected at column %1");
}

}  // namespace

QString RollErrorText(const RollError& e, const QTranslator* catalogue) {
    const auto text = [catalogue](const char* source) { return Translated(catalogue, source); };
    switch (e.kind) {
        case RollErrorKind::Syntax:
            return text(Expected(e.expected)).arg(e.column);
        case RollErrorKind::TooLong:
            return text(QT_TRANSLATE_NOOP("Roll", "the roll is longer than %1 characters"))
                .arg(RollLimits::Characters);
        case RollErrorKind::TooManyRolls:
            return text(QT_TRANSLATE_NOOP("Roll", "more than %1 rolls at column %2"))
                .arg(RollLimits::Rolls)
                .arg(e.column);
        case RollErrorKind::TooDeep:
            return text(QT_TRANSLATE_NOOP("Roll",
                                          "parentheses nested more than %1 deep at column %2"))
                .arg(RollLimits::Depth)
                .arg(e.column);
        case RollErrorKind::TooManyDice:
            return text(QT_TRANSLATE_NOOP("Roll", "too many dice (more than %1) at column %2"))
                .arg(RollLimits::Dice)
                .arg(e.column);
        case RollErrorKind::NumberTooLarge:
            return text(QT_TRANSLATE_NOOP("Roll", "the number at column %1 is larger than %2"))
                .arg(e.column)
                .arg(e.limit);
        case RollErrorKind::NoDice:
            return text(QT_TRANSLATE_NOOP("Roll", "0 dice at column %1")).arg(e.column);
        case RollErrorKind::NoFaces:
            return text(QT_TRANSLATE_NOOP("Roll", "dice of 0 faces at column %1")).arg(e.column);
        case RollErrorKind::CannotExplode:
            return text(
                       QT_TRANSLATE_NOOP("Roll", "a d1 or a Fate die cannot explode, at column %1"))
                .arg(e.column);
        case RollErrorKind::DivisionByZero:
            return text(QT_TRANSLATE_NOOP("Roll", "division by zero at column %1")).arg(e.column);
        case RollErrorKind::Overflow:
            return text(QT_TRANSLATE_NOOP("Roll", "a value past 64 bits at column %1"))
                .arg(e.column);
        case RollErrorKind::AlwaysRerolls:
            return text(QT_TRANSLATE_NOOP("Roll", "every face would be rerolled, at column %1"))
                .arg(e.column);
        case RollErrorKind::AlwaysExplodes:
            return text(QT_TRANSLATE_NOOP("Roll", "every die would explode, at column %1"))
                .arg(e.column);
        case RollErrorKind::TextTooLong:
            return text(QT_TRANSLATE_NOOP("Roll",
                                          "a label or note longer than %1 characters at column %2"))
                .arg(RollLimits::Text)
                .arg(e.column);
        case RollErrorKind::ControlCharacter:
            return text(QT_TRANSLATE_NOOP("Roll", "a control character at column %1"))
                .arg(e.column);
        case RollErrorKind::DiceInCount:
            return text(QT_TRANSLATE_NOOP("Roll",
                                          "dice in a count or a number of faces, at column %1"))
                .arg(e.column);
        case RollErrorKind::NoRepeats:
            return text(QT_TRANSLATE_NOOP("Roll", "0 repeats at column %1")).arg(e.column);
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
