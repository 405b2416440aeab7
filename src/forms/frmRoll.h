#pragma once

#include <QDialog>

#include "state/Roll.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rollkin {

class Desktop;
class Random;

// Rolls in dice notation, in a normal window beside the strip: an editable field with this
// run's last rolls in its drop-down, a Roll button (the default: Enter rolls), the error under
// the field as soon as its text cannot be thrown, and the last roll's line under the button.
// Esc and the title bar's close only hide it.
class frmRoll final : public QDialog {
    Q_OBJECT

public:
    // How many rolls the drop-down keeps.
    static constexpr int Remembered = 20;

    frmRoll(Random& rng, const Desktop& screen);
    ~frmRoll() override;

    QComboBox* cboRoll;
    QLabel* lblError;
    QPushButton* cmdRoll;
    QLabel* lblResult;

    // Shows the window beside the strip (see BesideStrip.h), the field ready for typing.
    void Open(const QWidget& strip);

    void cmdRoll_Click();

signals:
    // A roll was thrown: its line as copied ("d20+7: [14] + 7 = 21"), as Qt rich text, and its
    // columns.
    void Rolled(const rollkin::RollLines& lines);

private:
    void cboRoll_Change(const QString& text);
    void ShowError(const QString& error);
    void ShowResult(const QString& line, const QString& markup);
    void Remember(const QString& roll);

    Random& rng_;
    bool placed_ = false;
};

}  // namespace rollkin
