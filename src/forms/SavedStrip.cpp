#include "forms/SavedStrip.h"

#include <QStringList>
#include <algorithm>

#include "forms/DiceButton.h"
#include "forms/TwipsWindow.h"
#include "forms/frmRollkin.h"
#include "layout/StripLayout.h"
#include "platform/Desktop.h"
#include "platform/Units.h"
#include "text/OddsText.h"
#include "text/RollText.h"

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
        b->SetWraps(true);
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

void SavedStrip::Place(const functions::StripLayout& layout) {
    for (int i = 0; i < Count(); ++i) {
        DiceButton& b = *buttons_[static_cast<std::size_t>(i)].button;
        const bool first = i < layout.savedUnderDice || layout.columns == 1;
        const int row = first ? i : i - layout.savedUnderDice;
        b.SetLeft(first ? 0 : functions::StripColumnWidth);
        b.SetTop((first ? layout.savedTop : 0) + static_cast<float>(row) * functions::ButtonPitch);
        b.show();
    }
}

bool SavedStrip::ReadableAt(float scale, float tppX, float tppY) const {
    if (buttons_.empty()) return true;
    QFont least = buttons_.front().button->font();
    least.setPointSizeF(MinCaptionPoints);
    tppX /= scale, tppY /= scale;
    const QSize button(TwipsToPixels(DiceButtonWidth, tppX), TwipsToPixels(DiceButtonHeight, tppY));
    const QSize room =
        DiceButton::CaptionRoom(button, TwipsToPixels(functions::StripColumnWidth, tppX), tppX);
    return std::all_of(buttons_.begin(), buttons_.end(), [&](const Saved& s) {
        return !DiceButton::FitLines(least, s.name, room).isEmpty();
    });
}

void SavedStrip::Throw(int index) {
    Saved& s = buttons_.at(At(index));
    const RollOutcome outcome = s.roll.Throw(rng_);
    if (outcome.error) {
        screen_.Notice(Named(s.name, RollErrorText(*outcome.error)));
        return;
    }
    RollLines lines = RollLinesOf(outcome, RollWordsText());
    const QString spoken = Named(s.name, SpokenLine(QString::fromStdString(lines.plain)));
    lines.plain = Named(s.name, QString::fromStdString(lines.plain)).toStdString();
    lines.markup =
        Named(s.name.toHtmlEscaped(), QString::fromStdString(lines.markup)).toStdString();
    lines.name = s.name.toStdString();
    s.button->ShowRoll(QString::fromStdString(lines.total), spoken,
                       QString::fromStdString(lines.markup));
    emit Rolled(lines);
}

void SavedStrip::ShowName(int index) {
    if (Has(index)) Button(index).SetCaption(buttons_.at(At(index)).name);
}

}  // namespace rollkin
