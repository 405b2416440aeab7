#include "forms/frmRoll.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

#include "forms/BesideStrip.h"
#include "forms/OddsChart.h"
#include "platform/Desktop.h"
#include "state/Roll.h"
#include "text/OddsText.h"
#include "text/RollText.h"

namespace rollkin {

namespace {

// Size at the first opening, in twips: a roll with a few terms shows whole, its line has room
// for three lines, and the saved rolls for a handful of rows.
constexpr float RollWidth = 6000;
constexpr float RollHeight = 6600;
// Lines kept for the error, so that the window does not jump as one comes and goes.
constexpr int ErrorLines = 2;
// Lines the dice show before they scroll, and rows the saved list keeps whatever the window.
constexpr int DiceLines = 3;
constexpr int SavedRows = 5;

// A label for a line that may wrap, read from its top.
QLabel* NewLineLabel(QWidget* parent, const char* name, Qt::TextFormat format) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(format);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Edits a saved roll's name or roll in place, no longer than either may be.
class SavedRollDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(index.column() == frmRoll::NameColumn ? MaxSavedRollName
                                                                     : RollLimits::Characters);
        return editor;
    }
};

}  // namespace

frmRoll::frmRoll(Random& rng, const Desktop& screen, SavedRollsModel& saved)
    : QDialog(nullptr, Qt::Window), rng_(rng), saved_(saved) {
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

    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    QFont large = lblTotal->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    lblTotal->setFont(large);
    lblTotal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTotal->setWordWrap(true);  // ten totals wrap rather than widen the window

    lblResult = NewLineLabel(this, "lblResult", Qt::RichText);
    lblResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblResult->setAccessibleName(tr("No roll yet"));
    // Many dice scroll here rather than push the total out of sight or squeeze the saved list.
    scrDice = new QScrollArea(this);
    scrDice->setObjectName(QStringLiteral("scrDice"));
    scrDice->setWidget(lblResult);
    scrDice->setWidgetResizable(true);
    scrDice->setFrameShape(QFrame::NoFrame);
    scrDice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrDice->setFixedHeight(DiceLines * lblResult->fontMetrics().lineSpacing() + 4);

    chtOdds = new OddsChart(this);
    chtOdds->setAccessibleName(tr("Odds of the roll"));
    lblOdds = NewLineLabel(this, "lblOdds", Qt::PlainText);
    spnAtLeast = new QSpinBox(this);
    spnAtLeast->setObjectName(QStringLiteral("spnAtLeast"));
    spnAtLeast->setRange(-1000000000, 1000000000);
    spnAtLeast->setValue(15);
    auto* atLeast = new QLabel(tr("Chance of &at least"), this);
    atLeast->setBuddy(spnAtLeast);
    lblChance = new QLabel(this);
    lblChance->setObjectName(QStringLiteral("lblChance"));

    auto* thrown = new QVBoxLayout;
    thrown->addWidget(lblTotal);
    thrown->addWidget(scrDice);
    thrown->addStretch();
    auto* chance = new QHBoxLayout;
    chance->addWidget(atLeast);
    chance->addWidget(spnAtLeast);
    chance->addStretch();
    auto* odds = new QVBoxLayout;
    odds->addWidget(chtOdds, 1);
    odds->addWidget(lblOdds);
    odds->addLayout(chance);
    odds->addWidget(lblChance);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(cboRoll, 0, 1);
    layout->addWidget(cmdRoll, 0, 2, Qt::AlignLeft);
    layout->addWidget(lblError, 1, 1, 1, 2);
    layout->addLayout(thrown, 2, 0, 1, 2);
    layout->addLayout(odds, 2, 2);
    layout->addWidget(NewSavedList(), 3, 0, 1, 3);
    ShowSavedRolls();
    connect(&saved_, &SavedRollsModel::Changed, this, &frmRoll::SavedRollsChanged);
    chkGlobalKeys =
        new QCheckBox(tr("Throw saved rolls with Ctrl+Alt+1 to 9 from any &window"), this);
    chkGlobalKeys->setObjectName(QStringLiteral("chkGlobalKeys"));
    if (QString why; !screen.CanGrabGlobalKeys(&why)) {
        chkGlobalKeys->setEnabled(false);
        chkGlobalKeys->setToolTip(why);
        chkGlobalKeys->setAccessibleDescription(why);
    }
    connect(chkGlobalKeys, &QCheckBox::toggled, this, &frmRoll::GlobalKeysChosen);
    layout->addWidget(chkGlobalKeys, 4, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    // The saved list takes what is left, never under its rows.
    layout->setRowStretch(3, 1);
    setTabOrder(cboRoll, cmdRoll);

    oddsTimer_ = new QTimer(this);
    oddsTimer_->setSingleShot(true);
    oddsTimer_->setInterval(0);
    connect(oddsTimer_, &QTimer::timeout, this, [this] { ShowOdds(); });
    connect(spnAtLeast, &QSpinBox::valueChanged, this, [this] { ShowChance(); });

    connect(cboRoll, &QComboBox::editTextChanged, this,
            [this](const QString& text) { cboRoll_Change(text); });
    connect(cmdRoll, &QPushButton::clicked, this, [this] { cmdRoll_Click(); });
}

frmRoll::~frmRoll() = default;

void frmRoll::ShowGlobalKeys(bool on) {
    const QSignalBlocker quiet(chkGlobalKeys);
    chkGlobalKeys->setChecked(on);
}

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
        oddsTimer_->start();
        return;
    }
    const DiceRoll roll(text.toStdString());
    ShowError(roll.Error() ? RollErrorText(*roll.Error()) : QString());
    cmdRoll->setEnabled(!roll.Error());
    // Once typing pauses: a burst of keys is worked out once.
    oddsTimer_->start();
}

void frmRoll::ShowOdds() {
    const QString text = cboRoll->currentText().trimmed();
    const DiceRoll roll(text.toStdString());
    const std::vector<PartOdds> parts = RollOdds(roll);
    std::optional<Odds> first;  // the chart's
    for (const PartOdds& part : parts)
        if (!first && !part.error) first = part.odds;
    lblOdds->setText(RollOddsSummary(parts));
    chtOdds->SetOdds(first);
    ShowChance();
}

void frmRoll::ShowChance() {
    const int atLeast = spnAtLeast->value();
    chtOdds->SetThreshold(atLeast);
    const std::optional<Odds>& odds = chtOdds->Shown();
    lblChance->setText(odds ? tr("DC %1: %2").arg(atLeast).arg(OddsPercent(odds->AtLeast(atLeast)))
                            : QString());
    chtOdds->setAccessibleDescription(
        odds ? lblOdds->text() + QStringLiteral("; ") + lblChance->text() : lblOdds->text());
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
    lblTotal->setText(QString::fromStdString(lines.total));
    Remember(text);
    ShowResult(QString::fromStdString(lines.plain), QString::fromStdString(lines.markup));
    emit Rolled(lines);
}

void frmRoll::ShowError(const QString& error) {
    lblError->setText(error);
    cboRoll->setAccessibleDescription(error);
}

void frmRoll::ShowResult(const QString& plain, const QString& markup) {
    // The line is kept whole for tooltips and History; here it wraps at the window's width
    // rather than widening the window past the screen.
    QString wrapping = markup;
    lblResult->setText(wrapping.remove(QStringLiteral("<nobr>")).remove(QStringLiteral("</nobr>")));
    const QString line = SpokenLine(plain);
    // Said where the reader is, as a throw on the strip is: the field that rolled it has the
    // focus. Its description is the error until the next roll.
    cboRoll->setAccessibleDescription(line);
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

QWidget* frmRoll::NewSavedList() {
    auto* list = new QWidget(this);
    tblSaved = new QTableWidget(0, SavedColumns, list);
    tblSaved->setObjectName(QStringLiteral("tblSaved"));
    //: The saved rolls' column header: the roll, a noun (the button says the verb).
    tblSaved->setHorizontalHeaderLabels({tr("Name"), tr("Roll", "column header"), tr("Odds")});
    tblSaved->horizontalHeader()->setStretchLastSection(true);
    tblSaved->verticalHeader()->hide();
    tblSaved->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSaved->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSaved->setItemDelegate(new SavedRollDelegate(tblSaved));
    tblSaved->setAccessibleName(tr("Saved rolls"));
    auto* caption = new QLabel(tr("&Saved rolls:"), list);
    caption->setBuddy(tblSaved);

    txtName = NewNameField(list, "txtName", tr("Name"), tr("Name of the roll to save"));
    txtName->installEventFilter(this);  // Enter there adds, not rolls
    cmdAdd = NewButton(list, "cmdAdd", tr("&Add"));
    cmdRemove = NewButton(list, "cmdRemove", tr("Re&move"));
    cmdUp = NewButton(list, "cmdUp", tr("&Up"));
    cmdDown = NewButton(list, "cmdDown", tr("&Down"));
    tblSaved->setMinimumHeight(tblSaved->horizontalHeader()->sizeHint().height() +
                               SavedRows * tblSaved->verticalHeader()->defaultSectionSize() +
                               tblSaved->horizontalScrollBar()->sizeHint().height() +
                               2 * tblSaved->frameWidth());
    lblSaved = NewLineLabel(list, "lblSaved", Qt::PlainText);
    lblSaved->setMinimumHeight(ErrorLines * lblSaved->fontMetrics().lineSpacing());

    // The list with what acts on its chosen row beside it; under it, the name to add with.
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdRemove, cmdUp, cmdDown})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QGridLayout(list);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NewCharacterBar(list), 0, 0, 1, 2);
    layout->addWidget(caption, 1, 0, 1, 2);
    layout->addWidget(tblSaved, 2, 0);
    layout->addLayout(buttons, 2, 1);
    layout->addWidget(txtName, 3, 0);
    layout->addWidget(cmdAdd, 3, 1);
    layout->addWidget(lblSaved, 4, 0, 1, 2);
    layout->setRowStretch(2, 1);

    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdUp, &QPushButton::clicked, this, [this] { cmdMove_Click(-1); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { cmdMove_Click(1); });
    connect(tblSaved, &QTableWidget::itemChanged, this,
            [this](const QTableWidgetItem* item) { tblSaved_Change(item->row()); });
    connect(tblSaved, &QTableWidget::currentCellChanged, this,
            [this](int row) { lblSaved->setText(row < 0 ? QString() : RowError(row)); });
    return list;
}

bool frmRoll::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdAdd_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace rollkin
