#include "forms/frmConfig.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "forms/TwipsWindow.h"
#include "platform/Desktop.h"

namespace rollkin {

namespace {

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
// What the short captions stand for: a screen reader names each option by it, in words.
const char* const PositionDescriptions[] = {QT_TRANSLATE_NOOP("frmConfig", "Upper left corner"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Upper edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Upper right corner"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Left edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Centre of the screen"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Right edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Lower left corner"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Lower edge, centred"),
                                            QT_TRANSLATE_NOOP("frmConfig", "Lower right corner")};
// The design of the dialog, in twips.
namespace design {
constexpr float Width = 5265, Height = 4905;
constexpr TwipsRect lblRefresh{120, 120, 1815, 255}, sldRefresh{2040, 120, 3135, 255},
    Label1{2160, 480, 495, 255}, Label2{4560, 480, 495, 255}, lblMultiplier{120, 840, 1815, 255},
    sldMultiplier{2040, 840, 3135, 255}, Label3{2160, 1200, 495, 255}, Label4{4560, 1200, 495, 255};
constexpr TwipsRect chkMultipPermanence{2160, 1560, 2415, 255},
    chkResultPermanence{2160, 1920, 2415, 255}, chkStayOnTop{2160, 2280, 2415, 255};
constexpr TwipsRect cmdOk{1680, 4440, 1095, 375}, cmdDefault{2880, 4440, 1095, 375},
    cmdCancel{4080, 4440, 1095, 375};
// The dice box, its check boxes one row each from the top.
constexpr TwipsRect frmDices{120, 1440, 1575, 2775};
constexpr float DiceLeft = 120, DiceRowHeight = 240, DiceWidth = 1215, DiceHeight = 255;
// The position box: Free and Corner Bounded on top, the nine options in three rows below.
constexpr TwipsRect frmPositions{2160, 2760, 3015, 1455}, chkFreePos{120, 240, 855, 255},
    chkBoundPos{1320, 240, 1575, 255};
constexpr float PositionColumns[] = {120, 1080, 2040};
constexpr float PositionRows[] = {600, 840, 1080};
constexpr float PositionWidth = 600, PositionHeight = 255;
}  // namespace design

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
    PlaceControl(widget, name, design, tppX_, tppY_);
    widget->setAccessibleName(widget->property("text").toString());
    return widget;
}

frmConfig::frmConfig(AppState& state, Desktop& screen)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state),
      screen_(screen),
      tppX_(screen.TwipsPerPixelX()),
      tppY_(screen.TwipsPerPixelY()) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("Dice Rollkin Configuration"));
    // The design's captions were measured in an 8-point sans serif; a larger desktop font would
    // clip them.
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(TwipsToPixels(design::Width, tppX_), TwipsToPixels(design::Height, tppY_));

    // Created in tab order; the focus chain follows creation.
    lblRefresh =
        Place(new QLabel(tr("Throw Refresh Time"), this), "lblRefresh", design::lblRefresh);
    sldRefresh = Place(MakeSlider(this, MinRefreshSeconds, MaxRefreshSeconds, 1), "sldRefresh",
                       design::sldRefresh);
    sldRefresh->setAccessibleName(lblRefresh->text());
    Label1 = Place(new QLabel(tr("0 sec"), this), "Label1", design::Label1);
    Label2 = Place(new QLabel(tr("5 sec"), this), "Label2", design::Label2);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblMultiplier = Place(new QLabel(tr("Dice Multiplier Range"), this), "lblMultiplier",
                          design::lblMultiplier);
    sldMultiplier = Place(MakeSlider(this, MinMultiplierRange, MaxMultiplierRange, 5),
                          "sldMultiplier", design::sldMultiplier);
    sldMultiplier->setAccessibleName(lblMultiplier->text());
    Label3 = Place(new QLabel(QStringLiteral("5dX"), this), "Label3", design::Label3);
    Label4 = Place(new QLabel(QStringLiteral("40dX"), this), "Label4", design::Label4);
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    chkMultipPermanence = Place(new QCheckBox(tr("Dice Multiplier Permanent"), this),
                                "chkMultipPermanence", design::chkMultipPermanence);
    cmdCancel = Place(new QPushButton(tr("Cancel"), this), "cmdCancel", design::cmdCancel);
    cmdOk = Place(new QPushButton(tr("OK"), this), "cmdOk", design::cmdOk);

    frmPositions =
        Place(new QGroupBox(tr("Rollkin Position"), this), "frmPositions", design::frmPositions);
    frmPositions->setAccessibleName(frmPositions->title());
    for (int i = FirstPosition; i <= LastPosition; ++i) {
        const int k = i - FirstPosition;
        const TwipsRect at{design::PositionColumns[k % 3], design::PositionRows[k / 3],
                           design::PositionWidth, design::PositionHeight};
        optPos(i) = Place(
            new QRadioButton(tr(PositionCaptions[k].source, PositionCaptions[k].disambiguation),
                             frmPositions),
            "optPos", at);
        optPos(i)->setObjectName(QStringLiteral("optPos%1").arg(i));
        optPos(i)->setAccessibleName(tr(PositionDescriptions[k]));
    }
    optPosGroup = new QButtonGroup(this);
    for (int i = FirstPosition; i <= LastPosition; ++i)
        optPosGroup->addButton(optPos(i), i);
    chkResultPermanence = Place(new QCheckBox(tr("Dice Result Permanent"), this),
                                "chkResultPermanence", design::chkResultPermanence);
    chkStayOnTop =
        Place(new QCheckBox(tr("Always on Top"), this), "chkStayOnTop", design::chkStayOnTop);
    frmDices = Place(new QGroupBox(tr("Dices Availables"), this), "frmDices", design::frmDices);
    frmDices->setAccessibleName(frmDices->title());
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        const TwipsRect at{design::DiceLeft, design::DiceRowHeight * static_cast<float>(i),
                           design::DiceWidth, design::DiceHeight};
        chkDice(i) =
            Place(new QCheckBox(tr("%1 sides").arg(DesignDiceSides[i - FirstSlot]), frmDices),
                  "chkDice", at);
        chkDice(i)->setObjectName(QStringLiteral("chkDice%1").arg(i));
    }
    chkFreePos = Place(new QCheckBox(tr("Free"), frmPositions), "chkFreePos", design::chkFreePos);
    chkBoundPos = Place(new QCheckBox(tr("Corner Bounded"), frmPositions), "chkBoundPos",
                        design::chkBoundPos);
    cmdDefault =
        Place(new QPushButton(tr("Apply Default"), this), "cmdDefault", design::cmdDefault);

    // The tab order as designed: the option group is one stop between OK and the check boxes.
    QWidget* chain[] = {sldRefresh, sldMultiplier, chkMultipPermanence, cmdCancel,
                        cmdOk,      optPos(1),     optPos(2),           optPos(3),
                        optPos(4),  optPos(5),     optPos(6),           optPos(7),
                        optPos(8),  optPos(9),     chkResultPermanence, chkStayOnTop};
    for (std::size_t k = 1; k < std::size(chain); ++k)
        setTabOrder(chain[k - 1], chain[k]);
    setTabOrder(chkStayOnTop, chkDice(FirstSlot));
    for (int i = FirstSlot + 1; i <= LastSlot; ++i)
        setTabOrder(chkDice(i - 1), chkDice(i));
    setTabOrder(chkDice(LastSlot), chkFreePos);
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
    ShowSettings(state_);
}

void frmConfig::ShowSettings(const AppState& s) {
    for (int i = FirstSlot; i <= LastSlot; ++i)
        SetValue(chkDice(i), ToValue(s.DiceEnabled(i)));
    sldMultiplier->setValue(s.MultiplierRange);
    sldRefresh->setValue(s.RefreshSeconds);
    SetValue(chkMultipPermanence, ToValue(s.MultiplierPermanent));
    SetValue(chkResultPermanence, ToValue(s.ResultPermanent));
    SetValue(chkStayOnTop, ToValue(s.StayOnTop));
    SetValue(chkFreePos, ToValue(s.FreePosition));
    SetValue(chkBoundPos, s.FreePosition ? 0 : 1);
    if (s.AnchorPosition >= FirstPosition && s.AnchorPosition <= LastPosition)
        optPos(s.AnchorPosition)->setChecked(true);
    if (s.FreePosition) EnablePositions(false);
}

void frmConfig::EnablePositions(bool enabled) {
    for (int i = FirstPosition; i <= LastPosition; ++i)
        optPos(i)->setEnabled(enabled);
}

void frmConfig::KeepPositionTabStop() {
    for (int i = FirstPosition; i <= LastPosition; ++i)
        optPos(i)->setFocusPolicy(optPos(i)->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmConfig::chkFreePos_Click() {
    if (Value(chkFreePos) == 1) {
        SetValue(chkBoundPos, 0);
        EnablePositions(false);
    }
}

void frmConfig::chkBoundPos_Click() {
    if (Value(chkBoundPos) == 1) {
        SetValue(chkFreePos, 0);
        EnablePositions(true);
    }
}

void frmConfig::cmdOk_Click() {
    bool anyDice = false;
    for (int i = FirstSlot; i <= LastSlot && !anyDice; ++i)
        anyDice = Value(chkDice(i)) == 1;
    if (!anyDice) {
        screen_.MsgBox(tr("Select at least one dice..."), MsgInformation);
        return;
    }
    AppState& s = state_;
    for (int j = FirstSlot; j <= LastSlot; ++j)
        s.DiceEnabled(j) = FromValue(Value(chkDice(j)));
    s.MultiplierRange = static_cast<Integer>(sldMultiplier->value());
    s.RefreshSeconds = static_cast<Integer>(sldRefresh->value());
    s.MultiplierPermanent = FromValue(Value(chkMultipPermanence));
    s.ResultPermanent = FromValue(Value(chkResultPermanence));
    s.StayOnTop = FromValue(Value(chkStayOnTop));
    s.FreePosition = FromValue(Value(chkFreePos));
    for (int j = FirstPosition; j <= LastPosition; ++j) {
        if (optPos(j)->isChecked()) s.AnchorPosition = static_cast<Integer>(j);
    }
    accept();
}

void frmConfig::cmdCancel_Click() {
    reject();
}

void frmConfig::cmdDefault_Click() {
    // The controls only: the settings change at OK.
    AppState defaults;
    ResetSettings(defaults);
    ShowSettings(defaults);
    EnablePositions(true);
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

}  // namespace rollkin
