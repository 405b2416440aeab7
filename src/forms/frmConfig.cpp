#include "forms/frmConfig.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/Program.h"

namespace rollkin {

namespace {

const char* const DiceCaptions[] = {
    QT_TRANSLATE_NOOP("frmConfig", "2 sides"),  QT_TRANSLATE_NOOP("frmConfig", "3 sides"),
    QT_TRANSLATE_NOOP("frmConfig", "4 sides"),  QT_TRANSLATE_NOOP("frmConfig", "5 sides"),
    QT_TRANSLATE_NOOP("frmConfig", "6 sides"),  QT_TRANSLATE_NOOP("frmConfig", "8 sides"),
    QT_TRANSLATE_NOOP("frmConfig", "10 sides"), QT_TRANSLATE_NOOP("frmConfig", "12 sides"),
    QT_TRANSLATE_NOOP("frmConfig", "20 sides"), QT_TRANSLATE_NOOP("frmConfig", "100 sides")};
// The nine anchors, row by row from the top: Upper, Middle, Lower and Left, Centre, Right.
struct Caption {
    const char* source;
    const char* disambiguation;
};
const Caption PositionCaptions[] = {QT_TRANSLATE_NOOP3("frmConfig", "UL", "upper left"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "UP", "upper centre"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "UR", "upper right"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "ML", "middle left"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "MC", "middle centre"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "MR", "middle right"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "LL", "lower left"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "LC", "lower centre"),
                                    QT_TRANSLATE_NOOP3("frmConfig", "LR", "lower right")};
// What the short captions stand for, for screen readers.
const char* const PositionDescriptions[] = {QT_TRANSLATE_NOOP("frmConfig", "Upper left corner"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Upper edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Upper right corner"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Left edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Centre of the screen"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Right edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Lower left corner"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Lower edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Lower right corner")};
constexpr float PositionColumns[] = {120, 1080, 2040};
constexpr float PositionRows[] = {600, 840, 1080};

Boolean FromValue(int value) {
    return value == 1 ? True : False;
}
int ToValue(Boolean field) {
    return field ? 1 : 0;
}

QSlider* MakeSlider(QWidget* parent, int min, int max, int pageStep) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(min, max);
    slider->setValue(min);
    slider->setPageStep(pageStep);
    slider->setSingleStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    return slider;
}

}  // namespace

int Value(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

void SetValue(QCheckBox* box, int value) {
    box->setChecked(value == 1);
}

template <typename W>
W* frmConfig::Place(W* widget, const char* name, TwipsRect design) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ToPixels(design, tppX_, tppY_));
    widget->setAccessibleName(widget->property("text").toString());
    return widget;
}

frmConfig::frmConfig(Program& program)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      program_(program),
      tppX_(program.Screen.TwipsPerPixelX()),
      tppY_(program.Screen.TwipsPerPixelY()) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("Dice Rollkin Configuration"));
    // The design's captions were measured in an 8-point sans serif; a larger desktop font would
    // clip them.
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(TwipsToPixels(5265, tppX_), TwipsToPixels(4905, tppY_));

    // Created in tab order; the focus chain follows creation.
    lblRefresh =
        Place(new QLabel(tr("Throw Refresh Time"), this), "lblRefresh", {120, 120, 1815, 255});
    sldRefresh = Place(MakeSlider(this, 0, 5, 1), "sldRefresh", {2040, 120, 3135, 255});
    sldRefresh->setAccessibleName(lblRefresh->text());
    Label1 = Place(new QLabel(tr("0 sec"), this), "Label1", {2160, 480, 495, 255});
    Label2 = Place(new QLabel(tr("5 sec"), this), "Label2", {4560, 480, 495, 255});
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblMultiplier = Place(new QLabel(tr("Dice Multiplier Range"), this), "lblMultiplier",
                          {120, 840, 1815, 255});
    sldMultiplier = Place(MakeSlider(this, 5, 40, 5), "sldMultiplier", {2040, 840, 3135, 255});
    sldMultiplier->setAccessibleName(lblMultiplier->text());
    Label3 = Place(new QLabel(QStringLiteral("5dX"), this), "Label3", {2160, 1200, 495, 255});
    Label4 = Place(new QLabel(QStringLiteral("40dX"), this), "Label4", {4560, 1200, 495, 255});
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    chkMultipPermanence = Place(new QCheckBox(tr("Dice Multiplier Permanent"), this),
                                "chkMultipPermanence", {2160, 1560, 2415, 255});
    cmdCancel = Place(new QPushButton(tr("Cancel"), this), "cmdCancel", {4080, 4440, 1095, 375});
    cmdOk = Place(new QPushButton(tr("OK"), this), "cmdOk", {1680, 4440, 1095, 375});

    frmPositions = Place(new QGroupBox(tr("Rollkin Position"), this), "frmPositions",
                         {2160, 2760, 3015, 1455});
    frmPositions->setAccessibleName(frmPositions->title());
    for (int i = 1; i <= 9; ++i) {
        const TwipsRect at{PositionColumns[(i - 1) % 3], PositionRows[(i - 1) / 3], 600, 255};
        optPos(i) = Place(new QRadioButton(tr(PositionCaptions[i - 1].source,
                                              PositionCaptions[i - 1].disambiguation),
                                           frmPositions),
                          "optPos", at);
        optPos(i)->setObjectName(QStringLiteral("optPos%1").arg(i));
        optPos(i)->setAccessibleDescription(tr(PositionDescriptions[i - 1]));
    }
    optPosGroup = new QButtonGroup(this);
    for (int i = 1; i <= 9; ++i)
        optPosGroup->addButton(optPos(i), i);
    chkResultPermanence = Place(new QCheckBox(tr("Dice Result Permanent"), this),
                                "chkResultPermanence", {2160, 1920, 2415, 255});
    chkStayOnTop =
        Place(new QCheckBox(tr("Always on Top"), this), "chkStayOnTop", {2160, 2280, 2415, 255});
    frmDices =
        Place(new QGroupBox(tr("Dices Availables"), this), "frmDices", {120, 1440, 1575, 2775});
    frmDices->setAccessibleName(frmDices->title());
    for (int i = 1; i <= 10; ++i) {
        chkDice(i) = Place(new QCheckBox(tr(DiceCaptions[i - 1]), frmDices), "chkDice",
                           {120, 240.0f * static_cast<float>(i), 1215, 255});
        chkDice(i)->setObjectName(QStringLiteral("chkDice%1").arg(i));
    }
    chkFreePos = Place(new QCheckBox(tr("Free"), frmPositions), "chkFreePos", {120, 240, 855, 255});
    chkBoundPos = Place(new QCheckBox(tr("Corner Bounded"), frmPositions), "chkBoundPos",
                        {1320, 240, 1575, 255});
    cmdDefault =
        Place(new QPushButton(tr("Apply Default"), this), "cmdDefault", {2880, 4440, 1095, 375});

    // The tab order as designed: the option group is one stop between OK and the check boxes.
    QWidget* chain[] = {sldRefresh, sldMultiplier, chkMultipPermanence, cmdCancel,
                        cmdOk,      optPos(1),     optPos(2),           optPos(3),
                        optPos(4),  optPos(5),     optPos(6),           optPos(7),
                        optPos(8),  optPos(9),     chkResultPermanence, chkStayOnTop};
    for (std::size_t k = 1; k < std::size(chain); ++k)
        setTabOrder(chain[k - 1], chain[k]);
    setTabOrder(chkStayOnTop, chkDice(1));
    for (int i = 2; i <= 10; ++i)
        setTabOrder(chkDice(i - 1), chkDice(i));
    setTabOrder(chkDice(10), chkFreePos);
    setTabOrder(chkFreePos, chkBoundPos);
    setTabOrder(chkBoundPos, cmdDefault);

    // Neither OK nor Cancel answers Enter or Esc.
    for (QPushButton* b : {cmdOk, cmdDefault, cmdCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    sldRefresh->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    // A box's Click handler runs whenever its value changes, by the user or by code.
    connect(chkFreePos, &QCheckBox::toggled, this, [this] { chkFreePos_Click(); });
    connect(chkBoundPos, &QCheckBox::toggled, this, [this] { chkBoundPos_Click(); });
    connect(optPosGroup, &QButtonGroup::idToggled, this, [this] { KeepPositionTabStop(); });

    Form_Load();
}

frmConfig::~frmConfig() = default;

void frmConfig::Form_Load() {
    const AppState& s = program_.State;
    for (int i = 1; i <= 10; ++i)
        SetValue(chkDice(i), ToValue(s.DiceEnabled(i)));
    sldMultiplier->setValue(s.MultiplierRange);
    sldRefresh->setValue(s.RefreshSeconds);
    SetValue(chkMultipPermanence, ToValue(s.MultiplierPermanent));
    SetValue(chkResultPermanence, ToValue(s.ResultPermanent));
    SetValue(chkStayOnTop, ToValue(s.StayOnTop));
    SetValue(chkFreePos, ToValue(s.FreePosition));
    SetValue(chkBoundPos, s.FreePosition ? 0 : 1);
    if (s.AnchorPosition >= 1 && s.AnchorPosition <= 9) optPos(s.AnchorPosition)->setChecked(true);
    if (s.FreePosition) {
        for (int i = 1; i <= 9; ++i)
            optPos(i)->setEnabled(false);
    }
}

void frmConfig::KeepPositionTabStop() {
    for (int i = 1; i <= 9; ++i)
        optPos(i)->setFocusPolicy(optPos(i)->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmConfig::chkFreePos_Click() {
    if (Value(chkFreePos) == 1) {
        SetValue(chkBoundPos, 0);
        for (int i = 1; i <= 9; ++i)
            optPos(i)->setEnabled(false);
    }
}

void frmConfig::chkBoundPos_Click() {
    if (Value(chkBoundPos) == 1) {
        SetValue(chkFreePos, 0);
        for (int i = 1; i <= 9; ++i)
            optPos(i)->setEnabled(true);
    }
}

void frmConfig::cmdOk_Click() {
    bool anyDice = false;
    for (int i = 1; i <= 10 && !anyDice; ++i)
        anyDice = Value(chkDice(i)) == 1;
    if (!anyDice) {
        program_.Screen.MsgBox(tr("Select at least one dice..."), MsgInformation);
        return;
    }
    AppState& s = program_.State;
    for (int j = 1; j <= 10; ++j)
        s.DiceEnabled(j) = FromValue(Value(chkDice(j)));
    s.MultiplierRange = static_cast<Integer>(sldMultiplier->value());
    s.RefreshSeconds = static_cast<Integer>(sldRefresh->value());
    s.MultiplierPermanent = FromValue(Value(chkMultipPermanence));
    s.ResultPermanent = FromValue(Value(chkResultPermanence));
    s.StayOnTop = FromValue(Value(chkStayOnTop));
    s.FreePosition = FromValue(Value(chkFreePos));
    for (int j = 1; j <= 9; ++j) {
        if (optPos(j)->isChecked()) s.AnchorPosition = static_cast<Integer>(j);
    }
    accept();
}

void frmConfig::cmdCancel_Click() {
    reject();
}

void frmConfig::cmdDefault_Click() {
    for (int i = 1; i <= 10; ++i)
        SetValue(chkDice(i), 1);
    sldMultiplier->setValue(20);
    sldRefresh->setValue(1);
    SetValue(chkMultipPermanence, 0);
    SetValue(chkResultPermanence, 0);
    SetValue(chkStayOnTop, 1);
    SetValue(chkFreePos, 0);
    SetValue(chkBoundPos, 1);
    optPos(1)->setChecked(true);
    for (int i = 1; i <= 9; ++i)
        optPos(i)->setEnabled(true);
}

void frmConfig::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc do nothing here (QDialog would accept or reject).
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void frmConfig::done(int result) {
    // OK, Cancel and the title bar's close all end here: the dialog is unloaded.
    unloaded_ = true;
    QDialog::done(result);
}

}  // namespace rollkin
