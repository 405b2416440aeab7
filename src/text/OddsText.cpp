#include "text/OddsText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include "text/RollText.h"
#include "text/TranslateEarly.h"

namespace rollkin {

namespace {

QString Translated(const QTranslator* catalogue, const char* text) {
    return catalogue != nullptr ? TranslateEarly(catalogue, "Odds", text)
                                : QCoreApplication::translate("Odds", text);
}

}  // namespace

QString OddsErrorText(const OddsError& e, const QTranslator* catalogue) {
    const auto text = [catalogue](const char* source) { return Translated(catalogue, source); };
    const QLocale locale;
    switch (e.kind) {
        case OddsErrorKind::Roll:
            break;
        case OddsErrorKind::TooManySteps:
            return text(QT_TRANSLATE_NOOP("Odds",
                                          "too large to work out exactly: more than %1 steps"))
                .arg(locale.toString(e.limit));
        case OddsErrorKind::TooManyValues:
            return text(QT_TRANSLATE_NOOP(
                            "Odds", "too large to work out exactly: more than %1 possible totals"))
                .arg(locale.toString(e.limit));
        case OddsErrorKind::Overflow:
            return text(QT_TRANSLATE_NOOP("Odds", "its totals can pass 64 bits"));
        case OddsErrorKind::ExplodingTogether:
            return text(QT_TRANSLATE_NOOP("Odds",
                                          "exploding dice that can pass the %1-dice limit between "
                                          "them cannot be worked out exactly"))
                .arg(e.limit);
        case OddsErrorKind::UnknownForm:
            return text(QT_TRANSLATE_NOOP("Odds",
                                          "the odds of the form at column %1 are not "
                                          "worked out"))
                .arg(e.column);
    }
    return text(QT_TRANSLATE_NOOP("Odds", "the roll cannot be thrown"));
}

namespace {

QString Number(double value) {
    return QLocale().toString(value, 'f', 1).remove(QRegularExpression(QStringLiteral("[.,]0$")));
}

}  // namespace

QString OddsSummary(const Odds& odds) {
    if (odds.p.empty()) return QCoreApplication::translate("Odds", "never gives a total");
    return QCoreApplication::translate("Odds", "average %1, %2 to %3")
        .arg(Number(odds.Mean()), QLocale().toString(odds.Min()), QLocale().toString(odds.Max()));
}

QString RollOddsSummary(const std::vector<PartOdds>& parts) {
    QStringList said;
    for (const PartOdds& part : parts) {
        const QString summary = part.error ? OddsErrorText(*part.error) : OddsSummary(part.odds);
        said << (parts.size() > 1 ? QString::fromStdString(part.text) + QStringLiteral(": ")
                                  : QString()) +
                    summary;
    }
    return said.join(QLatin1Char('\n'));
}

QString OddsPercent(double chance) {
    return QCoreApplication::translate("Odds", "%1%").arg(QLocale().toString(100 * chance, 'f', 1));
}

}  // namespace rollkin
