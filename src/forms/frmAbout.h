#pragma once

#include <QCoreApplication>
#include <QDialog>

#include "state/AppState.h"

class QLabel;
class QPushButton;

namespace rollkin {

class Desktop;

// The help window: the program's name, credit and web address, and what each gesture does.
// Shown modally from F1 and from the menu's "About..."; built afresh at every showing.
class frmAbout final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmAbout)

public:
    explicit frmAbout(Desktop& screen);
    ~frmAbout() override;

    QLabel* imgIcon;
    QLabel* lblRollkin;
    QPushButton* cmdOK;
    QLabel* lblCopyright;
    BoundedArray<QLabel*, 0, 16> Label1;

    void cmdOk_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect shape1_, shape2_;
};

// The credit line and the web-address line of the About window. The project has no web site,
// so that line points at the manual page.
inline constexpr const char* CreditLine =
    QT_TRANSLATE_NOOP("frmAbout", "by the DiceRollkin developers");
inline constexpr const char* WebAddressLine =
    QT_TRANSLATE_NOOP("frmAbout", "Help: man dicerollkin");

}  // namespace rollkin
