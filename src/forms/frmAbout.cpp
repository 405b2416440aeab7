#include "forms/frmAbout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "forms/ProgramIcon.h"
#include "forms/TwipsWindow.h"
#include "platform/Desktop.h"

namespace rollkin {

namespace {

// The help table in slot order of Label1(0..15): actions 0..7, gesture of action k at k + 8.
// Each line fits a label 145 pixels wide at 96 dpi, translated ones too.
const char* const HelpTexts[16] = {
    QT_TRANSLATE_NOOP("frmAbout", "ThrowDice"),
    QT_TRANSLATE_NOOP("frmAbout", "Dice Multiplier"),
    QT_TRANSLATE_NOOP("frmAbout", "About..."),
    QT_TRANSLATE_NOOP("frmAbout", "Exit"),
    QT_TRANSLATE_NOOP("frmAbout", "Config Menu"),
    QT_TRANSLATE_NOOP("frmAbout", "Add 1 Dice to multiplier"),
    QT_TRANSLATE_NOOP("frmAbout", "Move Rollkin (if enabled)"),
    QT_TRANSLATE_NOOP("frmAbout", "Subtract 1 Dice to multiplier"),
    QT_TRANSLATE_NOOP("frmAbout", "- LeftClick"),
    QT_TRANSLATE_NOOP("frmAbout", "- RigthDrag"),
    QT_TRANSLATE_NOOP("frmAbout", "- F1 or LeftPress + SHIFT"),
    QT_TRANSLATE_NOOP("frmAbout", "- LeftPress + SHIFT"),
    QT_TRANSLATE_NOOP("frmAbout", "- LeftPress + SHIFT"),
    QT_TRANSLATE_NOOP("frmAbout", "- Rigth Click"),
    QT_TRANSLATE_NOOP("frmAbout", "- LeftPress + CTRL"),
    QT_TRANSLATE_NOOP("frmAbout", "- Rigth Click + SHIFT"),
};
// Screen row (0 = top) of each action label Label1(0..7).
constexpr int RowOfAction[8] = {0, 3, 6, 7, 5, 1, 4, 2};

QFont Arial(double points) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

}  // namespace

frmAbout::frmAbout(Desktop& screen)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    const float tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
    auto place = [tx, ty](QWidget* w, const char* name, TwipsRect r) {
        PlaceControl(w, name, r, tx, ty);
    };
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Dice Rollkin"));
    setFont(QFont(QStringLiteral("Arial"), 8));  // the table's lines fit an 8-point sans serif
    setFixedSize(TwipsToPixels(4605, tx), TwipsToPixels(3645, ty));

    imgIcon = new QLabel(this);
    place(imgIcon, "imgIcon", {240, 120, 240, 240});
    imgIcon->setPixmap(ProgramIcon().pixmap(16, 16));
    imgIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblRollkin = new QLabel(QStringLiteral("Dice Rollkin v. 1.1"), this);
    place(lblRollkin, "lblRollkin", {600, 120, 2775, 375});
    lblRollkin->setAlignment(Qt::AlignCenter);
    lblRollkin->setFont(Arial(14.25));

    cmdOK = new QPushButton(tr("OK"), this);
    place(cmdOK, "cmdOK", {3480, 120, 975, 375});
    cmdOK->setFont(Arial(12));

    lblCopyright = new QLabel(tr(CreditLine), this);
    place(lblCopyright, "lblCopyright", {480, 600, 3855, 375});
    lblCopyright->setAlignment(Qt::AlignCenter);
    lblCopyright->setFont(Arial(12));

    Label1(16) = new QLabel(tr(WebAddressLine), this);
    place(Label1(16), "Label1_16", {720, 960, 3255, 255});

    for (int k = 0; k < 16; ++k) {
        const int row = RowOfAction[k % 8];
        const float left = k < 8 ? 120.0f : 2400.0f;
        Label1(k) = new QLabel(tr(HelpTexts[k]), this);
        place(Label1(k), "Label1", {left, 1560.0f + 240.0f * static_cast<float>(row), 2175, 255});
        Label1(k)->setObjectName(QStringLiteral("Label1_%1").arg(k));
    }

    shape2_ = ToPixels({0, 0, 4575, 1335}, tx, ty);
    shape1_ = ToPixels({0, 1440, 4575, 2175}, tx, ty);

    // OK is the only control that takes the focus; Enter and Space on it close the window.
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOk_Click() {
    accept();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Esc does nothing. The keys of the focused OK button still press it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::paintEvent(QPaintEvent*) {
    // The two frames: one-pixel outlines in the window-text colour.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(Qt::NoBrush);
    for (const QRect& r : {shape2_, shape1_})
        p.drawRect(r.adjusted(0, 0, -1, -1));
}

}  // namespace rollkin
