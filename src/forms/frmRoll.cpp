#include "forms/frmRoll.h"

#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/BesideStrip.h"
#include "forms/RollText.h"
#include "state/Roll.h"

namespace rollkin {

namespace {

// Size at the first opening, in twips: a roll with a few terms shows whole, and its line
// has room for three lines.
constexpr float RollWidth = 6000;
constexpr float RollHeight = 3000;
// Lines kept for the error, so that the window does not jump as one comes and goes.
constexpr int ErrorLines = 2;

// A label for a line that may wrap, read from its top.
QLabel* NewLineLabel(QWidget* parent, const char* name, Qt::TextFormat format) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(format);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

frmRoll::frmRoll(Random& rng, const Desktop& screen) : QDialog(nullptr, Qt::Window), rng_(rng) {
    SetUpBesideStrip(*this, "frmRoll", tr("Dice Rollkin Rolls"), RollWidth, RollHeight, screen);

    cboRoll = new QComboBox(this);
    cboRoll->setObjectName(QStringLiteral("cboRoll"));
    cboRoll->setEditable(true);
    // The drop-down is kept by Remember; inline completion would roll a remembered roll in
    // place of the one being typed.
    cboRoll->setInsertPolicy(QComboBox::NoInsert);
    cboRoll->setCompleter(nullptr);
    cboRoll->lineEdit()->setMaxLength(RollLimits::Characters);
    cboRoll->lineEdit()->setPlaceholderText(QStringLiteral("d20+7"));
    cboRoll->setAccessibleName(tr("Roll in dice notation"));
    auto* caption = new QLabel(tr("&Roll:"), this);
    caption->setBuddy(cboRoll);

    lblError = NewLineLabel(this, "lblError", Qt::PlainText);
    lblError->setMinimumHeight(ErrorLines * lblError->fontMetrics().lineSpacing());

    cmdRoll = new QPushButton(tr("Roll"), this);
    cmdRoll->setObjectName(QStringLiteral("cmdRoll"));
    cmdRoll->setDefault(true);
    cmdRoll->setEnabled(false);

    lblResult = NewLineLabel(this, "lblResult", Qt::RichText);
    lblResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblResult->setAccessibleName(tr("No roll yet"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(cboRoll, 0, 1);
    layout->addWidget(lblError, 1, 1);
    layout->addWidget(cmdRoll, 2, 1, Qt::AlignLeft);
    layout->addWidget(lblResult, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    setTabOrder(cboRoll, cmdRoll);

    connect(cboRoll, &QComboBox::editTextChanged, this,
            [this](const QString& text) { cboRoll_Change(text); });
    connect(cmdRoll, &QPushButton::clicked, this, [this] { cmdRoll_Click(); });
}

frmRoll::~frmRoll() = default;

void frmRoll::Open(const QWidget& strip) {
    OpenBesideStrip(*this, strip, placed_);
    cboRoll->setFocus();
    cboRoll->lineEdit()->selectAll();
}

void frmRoll::cboRoll_Change(const QString& text) {
    // An empty field is no mistake yet: nothing to say, nothing to roll.
    if (text.trimmed().isEmpty()) {
        ShowError({});
        cmdRoll->setEnabled(false);
        return;
    }
    const DiceRoll roll(text.toStdString());
    ShowError(roll.Error() ? RollErrorText(*roll.Error()) : QString());
    cmdRoll->setEnabled(!roll.Error());
}

void frmRoll::cmdRoll_Click() {
    const QString text = cboRoll->currentText().trimmed();
    const DiceRoll roll(text.toStdString());
    if (text.isEmpty() || roll.Error()) return;  // the field says why
    const RollOutcome outcome = roll.Throw(rng_);
    if (outcome.error) {  // too many dice from explosions, an overflow: the text stays to retry
        ShowError(RollErrorText(*outcome.error));
        return;
    }
    const RollLines lines = RollLinesOf(outcome, RollWordsText());
    Remember(text);
    ShowResult(QString::fromStdString(lines.plain), QString::fromStdString(lines.markup));
    emit Rolled(lines);
}

void frmRoll::ShowError(const QString& error) {
    lblError->setText(error);
    cboRoll->setAccessibleDescription(error);
}

void frmRoll::ShowResult(const QString& line, const QString& markup) {
    lblResult->setText(markup);
    // Announced once per roll: a line like the last is a new roll too.
    if (lblResult->accessibleName() == line) {
        QAccessibleEvent changed(lblResult, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    } else {
        lblResult->setAccessibleName(line);
    }
}

void frmRoll::Remember(const QString& roll) {
    const int known = cboRoll->findText(roll, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (known >= 0) cboRoll->removeItem(known);
    cboRoll->insertItem(0, roll);
    while (cboRoll->count() > Remembered)
        cboRoll->removeItem(cboRoll->count() - 1);
    cboRoll->setCurrentIndex(0);
    cboRoll->lineEdit()->selectAll();  // typing replaces it, Enter rolls it again
}

}  // namespace rollkin
