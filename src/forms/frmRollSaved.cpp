#include "forms/frmRoll.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <utility>

#include "state/Roll.h"
#include "text/OddsText.h"
#include "text/RollText.h"

// The Rolls window's saved list: the rows as the model holds them, the player's edits back into
// the model.

namespace rollkin {

void frmRoll::Give(const SavedRolls& rolls) {
    giving_ = &rolls;
    saved_.Set(rolls);
    giving_ = nullptr;
}

void frmRoll::SavedRollsChanged() {
    // The rows show already what they gave; a change from elsewhere (a roll kept beyond the
    // strip's room, taking a place that came free) is shown whole.
    if (giving_ != nullptr && *giving_ == saved_.Rolls()) return;
    ShowSavedRolls();
}

void frmRoll::ShowSavedRolls() {
    const SavedRolls& rolls = saved_.Rolls();
    tblSaved->setRowCount(static_cast<int>(rolls.size()));
    for (int row = 0; row < tblSaved->rowCount(); ++row)
        ShowSavedRow(row, rolls[static_cast<std::size_t>(row)]);
}

void frmRoll::ShowSavedRow(int row, const SavedRoll& saved) {
    const QSignalBlocker quiet(tblSaved);  // shown, not edited
    for (int column : {NameColumn, RollColumn}) {
        const std::string& text = column == NameColumn ? saved.name : saved.roll;
        if (tblSaved->item(row, column) == nullptr)
            tblSaved->setItem(row, column, new QTableWidgetItem);
        tblSaved->item(row, column)->setText(QString::fromStdString(text));
    }
    MarkSavedRow(row);
}

QString frmRoll::RowError(int row) const {
    const QString name = tblSaved->item(row, NameColumn)->text().trimmed();
    if (name.isEmpty()) return tr("A saved roll needs a name.");
    const DiceRoll roll(tblSaved->item(row, RollColumn)->text().trimmed().toStdString());
    return roll.Error() ? RollErrorText(*roll.Error()) : QString();
}

QString frmRoll::MarkSavedRow(int row) {
    const QString error = RowError(row);
    {
        const QSignalBlocker quiet(tblSaved);
        for (int column : {NameColumn, RollColumn}) {
            tblSaved->item(row, column)->setToolTip(error);
            tblSaved->item(row, column)->setData(Qt::AccessibleDescriptionRole, error);
        }
        // Not by colour alone: the warning sign, and the error in the tooltip and under the list.
        tblSaved->item(row, RollColumn)
            ->setIcon(error.isEmpty() ? QIcon()
                                      : style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    if (row == tblSaved->currentRow()) lblSaved->setText(error);
    ShowSavedOdds(row, error.isEmpty());
    return error;
}

void frmRoll::ShowSavedOdds(int row, bool throwable) {
    const QSignalBlocker quiet(tblSaved);
    if (tblSaved->item(row, OddsColumn) == nullptr) {
        auto* item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tblSaved->setItem(row, OddsColumn, item);
    }
    QString odds;
    if (throwable) {
        const DiceRoll roll(tblSaved->item(row, RollColumn)->text().trimmed().toStdString());
        odds = RollOddsSummary(RollOdds(roll));
    }
    tblSaved->item(row, OddsColumn)
        ->setText(QString(odds).replace(QLatin1Char('\n'), QStringLiteral("; ")));
    tblSaved->item(row, OddsColumn)->setToolTip(odds);
}

void frmRoll::tblSaved_Change(int row) {
    const QString error = MarkSavedRow(row);
    const SavedRoll now{tblSaved->item(row, NameColumn)->text().trimmed().toStdString(),
                        tblSaved->item(row, RollColumn)->text().trimmed().toStdString()};
    SavedRolls rolls = saved_.Rolls();
    auto& kept = rolls.at(static_cast<std::size_t>(row));
    if (!error.isEmpty() || now == kept) return;  // as it was until it can be thrown
    kept = now;
    Give(rolls);
}

void frmRoll::cmdAdd_Click() {
    const QString roll = cboRoll->currentText().trimmed();
    QString name = txtName->text().trimmed();
    if (name.isEmpty()) name = roll.left(MaxSavedRollName);
    QString refused;
    if (tblSaved->rowCount() >= MaxSavedRolls) {
        refused =
            tr("At most %1 rolls can be saved: remove one to add another.").arg(MaxSavedRolls);
    } else if (roll.isEmpty()) {
        refused = tr("Type the roll to save in the field above.");
    } else if (const DiceRoll parsed(roll.toStdString()); parsed.Error()) {
        refused = RollErrorText(*parsed.Error());
    }
    lblSaved->setText(refused);
    if (!refused.isEmpty()) return;
    const int row = tblSaved->rowCount();
    SavedRolls rolls = saved_.Rolls();
    rolls.push_back({name.toStdString(), roll.toStdString()});
    tblSaved->insertRow(row);
    ShowSavedRow(row, rolls.back());
    tblSaved->setCurrentCell(row, NameColumn);
    txtName->clear();
    Give(rolls);
}

void frmRoll::cmdRemove_Click() {
    const int row = tblSaved->currentRow();
    if (row < 0) return;
    SavedRolls rolls = saved_.Rolls();
    rolls.erase(rolls.begin() + row);
    tblSaved->removeRow(row);
    Give(rolls);
}

void frmRoll::cmdMove_Click(int by) {
    const int row = tblSaved->currentRow(), to = row + by;
    if (row < 0 || to < 0 || to >= tblSaved->rowCount()) return;
    {
        const QSignalBlocker quiet(tblSaved);
        for (int column : {NameColumn, RollColumn, OddsColumn}) {
            QTableWidgetItem* moving = tblSaved->takeItem(row, column);
            tblSaved->setItem(row, column, tblSaved->takeItem(to, column));
            tblSaved->setItem(to, column, moving);
        }
    }
    SavedRolls rolls = saved_.Rolls();
    std::swap(rolls.at(static_cast<std::size_t>(row)), rolls.at(static_cast<std::size_t>(to)));
    tblSaved->setCurrentCell(to, tblSaved->currentColumn());
    Give(rolls);
}

}  // namespace rollkin
