#pragma once

#include <QCoreApplication>
#include <QDialog>

#include "platform/Units.h"
#include "state/AppState.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace rollkin {

class Desktop;

// The modal configuration dialog. Loading it copies the settings into its controls; OK checks
// them and copies them back; Cancel drops them; "Apply Default" resets the controls only.
// Each opening builds it afresh.
class frmConfig final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmConfig)

public:
    // Creates the dialog from its design values and runs Form_Load (it is not shown yet).
    frmConfig(AppState& state, Desktop& screen);
    ~frmConfig() override;

    QLabel* lblRefresh;
    QSlider* sldRefresh;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblMultiplier;
    QSlider* sldMultiplier;
    QLabel* Label3;
    QLabel* Label4;
    QGroupBox* frmDices;
    SlotArray<QCheckBox*> chkDice;
    QCheckBox* chkMultipPermanence;
    QCheckBox* chkResultPermanence;
    QCheckBox* chkStayOnTop;
    QGroupBox* frmPositions;
    QCheckBox* chkFreePos;
    QCheckBox* chkBoundPos;
    BoundedArray<QRadioButton*, FirstPosition, LastPosition> optPos;
    QButtonGroup* optPosGroup;  // the nine options as one exclusive group
    QPushButton* cmdOk;
    QPushButton* cmdDefault;
    QPushButton* cmdCancel;

    void Form_Load();
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdDefault_Click();
    void chkFreePos_Click();
    void chkBoundPos_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <typename W>
    W* Place(W* widget, const char* name, TwipsRect design);
    // Tab stops at the selected option only; the arrow keys move within the group.
    void KeepPositionTabStop();
    // Copies settings into the controls.
    void ShowSettings(const AppState& s);
    void EnablePositions(bool enabled);

    AppState& state_;
    Desktop& screen_;
    float tppX_, tppY_;
};

// A check box's value: 0 unchecked, 1 checked.
int Value(const QCheckBox* box);
// Sets a check box's value; a change raises its Click handler, the same value raises nothing.
void SetValue(QCheckBox* box, int value);

}  // namespace rollkin
