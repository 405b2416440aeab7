#pragma once

#include <QDialog>

#include "settings/CharacterFile.h"
#include "settings/SavedRollsModel.h"
#include "state/Roll.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTimer;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rollkin {

class Desktop;
class OddsChart;
class Random;

// Rolls in dice notation, in a normal window beside the strip: an editable field with this
// run's last rolls in its drop-down, a Roll button (the default: Enter rolls), the error under
// the field as soon as its text cannot be thrown, and the last roll's line under the button.
// Esc and the title bar's close only hide it. Under them, the saved rolls: added from the field
// with a name, removed, moved, edited in place; one that cannot be thrown shows its error and
// is not taken until it can be. The list is a view of the saved rolls' model: what the player
// changes goes into the model, and a change from elsewhere is shown.
class frmRoll final : public QDialog {
    Q_OBJECT

public:
    // The saved list's columns; the odds are worked out from the roll, never edited.
    enum SavedColumn { NameColumn, RollColumn, OddsColumn, SavedColumns };
    // How many rolls the drop-down keeps.
    static constexpr int Remembered = 20;

    frmRoll(Random& rng, const Desktop& screen, SavedRollsModel& saved);
    ~frmRoll() override;

    QComboBox* cboRoll;
    QLabel* lblError;
    QPushButton* cmdRoll;
    QLabel* lblTotal;      // the last roll's totals, large
    QScrollArea* scrDice;  // its line, scrolling in a fixed height
    QLabel* lblResult;
    // The typed roll's odds: its chart, average and range, and the chance of at least a number.
    OddsChart* chtOdds;
    QLabel* lblOdds;
    QSpinBox* spnAtLeast;
    QLabel* lblChance;
    QTableWidget* tblSaved;  // a name and a roll a row
    QLineEdit* txtName;
    QPushButton* cmdAdd;
    QPushButton* cmdRemove;
    QPushButton* cmdUp;
    QPushButton* cmdDown;
    QLabel* lblSaved;  // why a roll was not taken, or the chosen one's error
    // The character whose rolls the list shows, and what acts on characters.
    QComboBox* cboCharacter;
    QLineEdit* txtCharacter;  // the name to add or rename with
    QLineEdit* txtShareName;
    QPushButton* cmdAddCharacter;
    QPushButton* cmdRenameCharacter;
    QPushButton* cmdRemoveCharacter;
    QPushButton* cmdExport;
    QPushButton* cmdImport;
    // Ctrl+Alt+1 to 9 throw the saved rolls from any window; greyed out, with the reason,
    // where the desktop has no such keys.
    QCheckBox* chkGlobalKeys;

    // Ticks the keys' box or not, as chosen before; says nothing.
    void ShowGlobalKeys(bool on);

    // Shows the window beside the strip (see BesideStrip.h), the field ready for typing.
    void Open(const QWidget& strip);

    void cmdRoll_Click();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdMove_Click(int by);
    void cmdAddCharacter_Click();
    void cmdRenameCharacter_Click();
    // Asks first, window-modal, and returns at once.
    void cmdRemoveCharacter_Click();
    void cmdExport_Click();
    void cmdImport_Click();
    // A file read for import: refused with its reason, added, or asked about when a character
    // has its name (Replace, Keep both, Cancel).
    void Import(const CharacterFile::Read& read);

signals:
    // A roll was thrown: its line as copied ("d20+7: [14] + 7 = 21"), as Qt rich text, and its
    // columns.
    void Rolled(const rollkin::RollLines& lines);
    // The player ticked the keys' box, or cleared it.
    void GlobalKeysChosen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cboRoll_Change(const QString& text);
    void ShowError(const QString& error);
    // Works out the typed roll's odds; run from an idle timer, so a keystroke never waits.
    void ShowOdds();
    void ShowChance();
    void ShowResult(const QString& line, const QString& markup);
    void Remember(const QString& roll);
    QWidget* NewSavedList();
    QWidget* NewCharacterBar(QWidget* parent);
    // A button that Enter does not press: Enter rolls, wherever the focus is.
    static QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption);
    // A field for a name of at most MaxSavedRollName characters.
    static QLineEdit* NewNameField(QWidget* parent, const char* name, const QString& placeholder,
                                   const QString& spoken);
    void ShowCharacters();
    // Why a character cannot be named `name` (another one than `except` has it); empty if it can.
    QString NameError(const QString& name, int except) const;
    void Imported(const Character& character);
    // Lists the saved rolls as kept, those that cannot be thrown with their error.
    void ShowSavedRolls();
    void SavedRollsChanged();
    // The player's change into the model.
    void Give(const SavedRolls& rolls);
    // Fills a row of the list and marks it when it cannot be kept.
    void ShowSavedRow(int row, const SavedRoll& saved);
    // Marks a row that cannot be kept with its error (returned; empty when it can).
    QString MarkSavedRow(int row);
    // A row's average and range, when its roll can be thrown.
    void ShowSavedOdds(int row, bool throwable);
    void tblSaved_Change(int row);
    // Why the row as shown cannot be kept; empty when it can.
    QString RowError(int row) const;

    Random& rng_;
    QTimer* oddsTimer_;
    bool placed_ = false;
    // A row each, as last taken: an edit that cannot be kept leaves its row's entry as it was.
    SavedRollsModel& saved_;
    const SavedRolls* giving_ = nullptr;  // what the rows gave the model, while it takes it
};

}  // namespace rollkin
