#include "forms/SavedStrip.h"

#include <QStringList>

#include "forms/DiceButton.h"
#include "forms/OddsText.h"
#include "forms/RollText.h"
#include "forms/TwipsWindow.h"
#include "layout/StripLayout.h"
#include "platform/Desktop.h"

namespace rollkin {

namespace {

// Light orange: apart from every dice colour, and black captions read well on it.
constexpr QRgb SavedColour = qRgb(255, 200, 140);

// A saved roll's line with its name: "Fireball: 8d6: [...] = 27".
QString Named(const QString& name, const QString& line) {
    //: A saved roll's line in History and its tooltip; %1 is the roll's name, %2 its line.
    return SavedStrip::tr("%1: %2").arg(name, line);
}

}  // namespace

QColor SavedRollColour() {
    return QColor(SavedColour);
}

SavedStrip::SavedStrip(TwipsWindow& strip, Random& rng, Desktop& screen)
    : QObject(&strip), strip_(strip), rng_(rng), screen_(screen) {}

void SavedStrip::SetRolls(const SavedRolls& rolls, const DiceButton& model) {
    for (Saved& s : buttons_) {
        s.button->hide();
        s.button->deleteLater();  // the change may come while one of them is handling an event
    }
    buttons_.clear();
    for (const SavedRoll& r : rolls) {
        DiceRoll roll(r.roll);
        if (roll.Error()) continue;  // kept in the list with its error, not offered here
        const int index = LastSlot + 1 + Count();
        auto* b = new DiceButton(strip_, index, SavedRollColour());
        b->setObjectName(QStringLiteral("cmdSaved%1").arg(index - LastSlot));
        b->setFont(model.font());
        b->resize(model.size());
        // Its tooltip says what to expect: "8d6 (average 28, 8 to 48)".
        const QString odds = RollOddsSummary(RollOdds(roll));
        b->SetThrows(QString::fromStdString(r.roll) +
                     (odds.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(odds)));
        b->SetCaption(QString::fromStdString(r.name));
        buttons_.push_back({b, QString::fromStdString(r.name), std::move(roll)});
    }
}

void SavedStrip::SetTops(float top) {
    for (Saved& s : buttons_) {
        s.button->SetTop(top);
        s.button->show();
        top += functions::ButtonPitch;
    }
}

void SavedStrip::Throw(int index) {
    Saved& s = buttons_.at(At(index));
    const RollOutcome outcome = s.roll.Throw(rng_);
    if (outcome.error) {
        screen_.MsgBox(Named(s.name, RollErrorText(*outcome.error)), MsgOkOnly);
        return;
    }
    RollLines lines = RollLinesOf(outcome, RollWordsText());
    lines.plain = Named(s.name, QString::fromStdString(lines.plain)).toStdString();
    lines.markup =
        Named(s.name.toHtmlEscaped(), QString::fromStdString(lines.markup)).toStdString();
    lines.roll = Named(s.name, QString::fromStdString(lines.roll)).toStdString();
    s.button->ShowRoll(QString::fromStdString(lines.total), QString::fromStdString(lines.plain),
                       QString::fromStdString(lines.markup));
    emit Rolled(lines);
}

void SavedStrip::ShowName(int index) {
    if (Has(index)) Button(index).SetCaption(buttons_.at(At(index)).name);
}

}  // namespace rollkin
