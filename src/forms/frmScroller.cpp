#include "forms/frmScroller.h"

#include <QImage>
#include <QLabel>
#include <QSlider>
#include <cmath>

#include "platform/Desktop.h"

namespace rollkin {

namespace {
constexpr qreal LabelPoints = 9.75;  // the value's design size
}  // namespace

frmScroller::frmScroller(AppState& state, Desktop& screen)
    : TwipsWindow(screen, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                              Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint),
      state_(state) {
    setObjectName(QStringLiteral("frmScroller"));
    // Never takes the focus from the strip or from the user's other windows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_AlwaysShowToolTips);  // never active, as the strip
    sldScroller = new QSlider(Qt::Horizontal, this);
    sldScroller->setObjectName(QStringLiteral("sldScroller"));
    sldScroller->setRange(1, DefaultMultiplierRange);
    sldScroller->setValue(1);
    sldScroller->setPageStep(5);
    sldScroller->setSingleStep(1);
    sldScroller->setTickPosition(QSlider::TicksBelow);
    sldScroller->setTickInterval(1);
    sldScroller->setFocusPolicy(Qt::NoFocus);
    sldScroller->setAccessibleName(tr("Dice Multiplier"));

    lblValue = new QLabel(QStringLiteral("1"), this);
    lblValue->setObjectName(QStringLiteral("lblValue"));
    lblValue->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    lblValue->setFont(font);
    FitScale();

    connect(sldScroller, &QSlider::valueChanged, this, [this] { sldScroller_Change(); });
}

frmScroller::~frmScroller() = default;

void frmScroller::FitScale() {
    const float tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    resize(TwipsToPixels(ScrollerWidth, tppX), TwipsToPixels(ScrollerHeight, tppY));
    sldScroller->setGeometry(ToPixels(ScrollerSlider, tppX, tppY));
    QFont font = lblValue->font();
    font.setPointSizeF(LabelPoints * static_cast<qreal>(screen_.StripScale()));
    lblValue->setFont(font);
    lblValue->setGeometry(ToPixels(ScrollerLabel, tppX, tppY));
}

void frmScroller::SetSliderLeft(float twips) {
    sldScroller->move(TwipsToPixels(twips, TwipsPerPixelX()), sldScroller->y());
}

void frmScroller::SetLabelLeft(float twips) {
    lblValue->move(TwipsToPixels(twips, TwipsPerPixelX()), lblValue->y());
}

Integer frmScroller::ShownMultiplier(int sliderValue) const {
    const AppState& s = state_;
    return static_cast<Integer>(s.ScrollerMirrored ? s.MultiplierRange - sliderValue + 1
                                                   : sliderValue);
}

int frmScroller::SliderValueFor(Integer multiplier) const {
    const AppState& s = state_;
    return s.ScrollerMirrored ? s.MultiplierRange - multiplier + 1 : multiplier;
}

void frmScroller::TrackScroller(const TwipsRect& strip) {
    const AppState& s = state_;
    const double cx = static_cast<double>(TwipsPerPixelX()) * s.DragCursor.x;
    const double left = strip.Left;
    const double d = s.ScrollerMirrored ? (left - SliderEndInset) - cx
                                        : cx - (left + strip.Width) + SliderEndInset;
    const double usable = static_cast<double>(ScrollerSlider.Width) - 2 * SliderEndInset;
    const double raw = d / usable * (s.MultiplierRange - 1);
    // Far outside the slider the value is simply out of range; keep it clear of overflow.
    if (!(std::fabs(raw) < 1e6)) return;
    const Long v = RoundHalfEven(raw) + 1;
    if (v >= 1 && v <= s.MultiplierRange) {
        sldScroller->setValue(SliderValueFor(static_cast<Integer>(v)));
    }
}

void frmScroller::OpenScroller(int slot, const TwipsRect& strip, const QRect& monitor) {
    AppState& s = state_;
    hide();
    const float a = strip.Width / 2 + strip.Left;
    // The centre of the strip's monitor (with one monitor, of the screen).
    const float b = static_cast<float>(monitor.x()) * TwipsPerPixelX() +
                    static_cast<float>(monitor.width()) * TwipsPerPixelX() / 2;
    s.ScrollerMirrored = b < a ? True : False;
    if (s.ScrollerMirrored) {
        SetSliderLeft(Width() - ScrollerSlider.Width);
        SetLabelLeft(0);
        SetLeft(strip.Left - Width());
    } else {
        SetSliderLeft(0);
        SetLabelLeft(Width() - ScrollerLabel.Width);
        SetLeft(strip.Left + strip.Width);
    }
    SetTop(TwipsPerPixelY() * static_cast<float>(s.PressCursor.y) - std::floor(Height() / 2));
    const int before = sldScroller->value();
    sldScroller->setValue(SliderValueFor(s.DiceMultiplier(slot)));
    // The slider raises no change for the value it already holds, but after a change of side
    // (or of range) that value stands for another multiplier: the label must still say which.
    if (sldScroller->value() == before) sldScroller_Change();
    show();
}

void frmScroller::EndScrollerDrag(int slot) {
    AppState& s = state_;
    s.DiceMultiplier(slot) = ShownMultiplier(sldScroller->value());
    if (!screen_.SetCursorPos(s.PressCursor.x, s.PressCursor.y)) {
        screen_.MsgBox(tr("Errore in setting cursor pos"), MsgOkOnly);
    }
}

void frmScroller::Prepare() {
    // The native window and the first paint (the style's slider, the label's font) would
    // otherwise cost the first opening some three milliseconds more than the later ones.
    winId();
    QImage scratch(size(), QImage::Format_ARGB32_Premultiplied);
    render(&scratch);
}

void frmScroller::SetMultiplierRange(Integer range) {
    sldScroller->setMinimum(1);
    sldScroller->setMaximum(range);
}

void frmScroller::sldScroller_Change() {
    lblValue->setText(QString::number(ShownMultiplier(sldScroller->value())));
}

}  // namespace rollkin
