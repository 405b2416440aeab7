#include "forms/DiceButton.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QGuiApplication>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "forms/DiceAccessible.h"
#include "forms/TwipsWindow.h"
#include "platform/MouseArgs.h"
#include "platform/Units.h"

namespace rollkin {

namespace {

// The design background colour of each slot's button, slot 1 first.
constexpr QRgb Colours[] = {qRgb(224, 224, 224), qRgb(192, 255, 192), qRgb(255, 255, 128),
                            qRgb(255, 192, 255), qRgb(0, 255, 255),   qRgb(128, 255, 128),
                            qRgb(255, 128, 128), qRgb(192, 192, 0),   qRgb(128, 128, 255),
                            qRgb(0, 192, 0)};
static_assert(std::size(Colours) == DesignDiceSides.size());

// The colours of a classic flat-colour button's 3-D edge, as qDrawWinButton takes them: the
// outer edge Light and Shadow, the inner one Button and Dark (swapped when sunken).
const QPalette& EdgePalette() {
    static const QPalette edge = [] {
        QPalette p;
        p.setColor(QPalette::Light, QColor(255, 255, 255));
        p.setColor(QPalette::Button, QColor(227, 227, 227));
        p.setColor(QPalette::Dark, QColor(160, 160, 160));
        p.setColor(QPalette::Shadow, QColor(105, 105, 105));
        return p;
    }();
    return edge;
}

}  // namespace

QColor DiceColour(int slot) {
    return QColor(Colours[slot - FirstSlot]);
}

DiceButton::DiceButton(TwipsWindow& strip, int index, const QColor& background)
    : QPushButton(&strip), strip_(strip), index_(index) {
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    setPalette(colours);
    setObjectName(QStringLiteral("cmdDice%1").arg(index));
    // Keyboard focus only by Tab: a click leaves no focus rectangle behind on the strip.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallDiceAccessibility();
}

void DiceButton::SetCaption(const QString& caption) {
    if (showsThrow_ && QToolTip::isVisible()) QToolTip::hideText();  // its dice are gone
    showsThrow_ = false;
    Show(caption);
}

void DiceButton::ShowThrow(const ThrowRecord& record) {
    lastThrow_ = record;
    rollLine_.clear();
    showsThrow_ = true;
    Show(QString::fromStdString(ResultCaption(record.total)));
}

void DiceButton::ShowRoll(const QString& caption, const QString& line, const QString& markup) {
    rollLine_ = line;
    rollMarkup_ = markup;
    showsThrow_ = true;
    Show(caption);
}

void DiceButton::Show(const QString& caption) {
    // The name is ready before the caption changes, so that a screen reader hears one change,
    // and the new name: the caption's own change event is that one.
    const QString before = spokenName_;
    Describe(caption);
    if (caption != text()) {
        setText(caption);                               // repaints this button only
    } else if (showsThrow_ || spokenName_ != before) {  // a total like the last is a new throw
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void DiceButton::Describe(const QString& caption) {
    if (showsThrow_ && !rollLine_.isEmpty()) {
        setToolTip(rollMarkup_);
        spokenName_ = rollLine_;
        setAccessibleDescription(rollLine_);
    } else if (showsThrow_) {
        const QString dice = QString::fromStdString(lastThrow_.dice);
        setToolTip(QString::fromStdString(ThrowTooltip(lastThrow_)));
        spokenName_ = dice + QStringLiteral(": ") + caption;
        //: Screen readers' account of a throw of several dice: "3d6: 2 + 5 + 6 = 13, highest 6,
        //: lowest 2"; %1 is the sum, %2 the highest face, %3 the lowest.
        const char* const extremes =
            QT_TRANSLATE_NOOP("rollkin::frmRollkin", "%1, highest %2, lowest %3");
        // One die has no highest and lowest to name, and needs no translation.
        setAccessibleDescription(QString::fromStdString(
            lastThrow_.faces.size() <= 1
                ? ThrowDescription(lastThrow_)
                : ThrowDescription(
                      lastThrow_,
                      QCoreApplication::translate("rollkin::frmRollkin", extremes).toStdString())));
    } else {
        const QString throws = throws_.isEmpty() ? caption : throws_;
        setToolTip(throws_.isEmpty() ? caption : caption + QStringLiteral(": ") + throws_);
        spokenName_ = caption;
        //: A dice button's description for screen readers; %1 is what it throws ("3d6").
        setAccessibleDescription(
            QCoreApplication::translate("rollkin::frmRollkin", "Throws %1").arg(throws));
    }
}

bool DiceButton::event(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) update();  // the focus frame comes or goes
    // No tooltip while a button is held: it would cover the strip during a throw or a drag.
    if (e->type() == QEvent::ToolTip &&
        (down_ != Qt::NoButton || QGuiApplication::mouseButtons() != Qt::NoButton)) {
        e->ignore();
        return true;
    }
    return QPushButton::event(e);
}

void DiceButton::SetTop(float twips) {
    top_ = twips;
    move(TwipsToPixels(left_, strip_.TwipsPerPixelX()),
         TwipsToPixels(twips, strip_.TwipsPerPixelY()));
}

void DiceButton::SetLeft(float twips) {
    left_ = twips;
    SetTop(top_);
}

void DiceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool sunken = isDown();
    const QBrush fill = palette().button();
    qDrawWinButton(&p, r, EdgePalette(), sunken, &fill);
    p.setPen(Qt::black);
    p.setFont(CaptionFont());
    p.drawText(sunken ? r.translated(1, 1) : r, Qt::AlignCenter, CaptionLines());
    // Only while the strip has the keyboard: the frame goes with the focus to another window.
    if (keyboardFocus_ && hasFocus() && isActiveWindow()) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

QSize DiceButton::CaptionRoom(QSize button, int shownWidth, float tppX) {
    // Room between the 3-D edges of the part of the button the strip shows (the design button is
    // a pixel wider than the strip), with a little to spare, as the caption is centred.
    constexpr float InsetTwips = 60;
    constexpr int EdgePixels = 2;
    const int inset = TwipsToPixels(InsetTwips, tppX);
    const double shown = std::min(button.width(), shownWidth);
    const double centre = button.width() / 2.0;
    return {static_cast<int>(2 * std::min(centre, shown - centre)) - 2 * inset,
            button.height() - 2 * EdgePixels};
}

QStringList DiceButton::FitLines(const QFont& font, const QString& text, QSize room) {
    const QFontMetrics fm(font);
    if (fm.height() > room.height()) return {};
    if (fm.horizontalAdvance(text) <= room.width()) return {text};
    if (fm.height() + fm.lineSpacing() > room.height()) return {};
    // Of the breaks at a space that fit, the one with the shorter longest line.
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList best;
    int narrowest = room.width() + 1;
    for (qsizetype k = 1; k < words.size(); ++k) {
        const QStringList lines{words.first(k).join(QLatin1Char(' ')),
                                words.sliced(k).join(QLatin1Char(' '))};
        const int wider = std::max(fm.horizontalAdvance(lines[0]), fm.horizontalAdvance(lines[1]));
        if (wider < narrowest) narrowest = wider, best = lines;
    }
    return best;
}

namespace {

// A caption that fits no way at the smallest size: as much as fits on the first line, the rest
// on the second ending in an ellipsis (one line where two have no room).
QString CutLines(const QFont& font, const QString& text, QSize room) {
    const QFontMetrics fm(font);
    if (fm.height() + fm.lineSpacing() > room.height())
        return fm.elidedText(text, Qt::ElideRight, room.width());
    qsizetype cut = text.size();
    while (cut > 1 && fm.horizontalAdvance(text.left(cut)) > room.width())
        --cut;
    // At the last space that fits, where there is one.
    if (const qsizetype space = text.lastIndexOf(QLatin1Char(' '), cut);
        space > 0 && cut < text.size())
        cut = space;
    return text.left(cut).trimmed() + QLatin1Char('\n') +
           fm.elidedText(text.mid(cut).trimmed(), Qt::ElideRight, room.width());
}

}  // namespace

QFont DiceButton::CaptionFont() {
    const QWidget* strip = parentWidget();
    const int shown = strip != nullptr ? strip->width() - x() : width();
    const QSize room = CaptionRoom(size(), shown, strip_.TwipsPerPixelX());
    // Measured once for each caption and room, not at every paint.
    if (room == fitted_.room && text() == fitted_.text && font() == fitted_.base)
        return fitted_.font;
    QFont f = font();
    QString lines = text();
    if (wraps_) {
        // Two lines before a smaller size; the smallest size cuts what still does not fit.
        const qreal least = std::min(MinCaptionPoints, f.pointSizeF());
        for (qreal size = f.pointSizeF();; size = std::max(least, size - 0.5)) {
            f.setPointSizeF(size);
            if (const QStringList fit = FitLines(f, text(), room); !fit.isEmpty()) {
                lines = fit.join(QLatin1Char('\n'));
                break;
            }
            if (size <= least) {
                lines = CutLines(f, text(), room);
                break;
            }
        }
    } else {
        // A caption that fits keeps the design font untouched; a longer one takes the largest
        // half point size of it that fits.
        for (qreal size = f.pointSizeF();
             size > 1 && QFontMetrics(f).boundingRect(text()).width() > room.width();) {
            size -= 0.5;
            f.setPointSizeF(size);
        }
    }
    fitted_ = {text(), room, font(), f, lines};
    return f;
}

QString DiceButton::CaptionLines() {
    CaptionFont();
    return fitted_.lines;
}

// Qt's events become the handlers' arguments here, once. The event is always accepted and never
// handed to QPushButton, so the press keeps Qt's implicit grab: every move and the release of the
// press come to this button wherever the cursor goes, also over the scroller.
void DiceButton::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

// The second press of a double click is a press like any other.
void DiceButton::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event);
}

void DiceButton::Press(QMouseEvent* event) {
    event->accept();
    down_ |= event->button();
    QToolTip::hideText();
    const Integer button = ButtonOf(event->button());
    if (button == vbLeftButton) setDown(true);
    Announce(MouseAction::Down, button, ShiftOf(event->modifiers()), event->position());
    // A menu or message box opened by the press may have taken releases meant for the strip.
    emit PressHandled();
}

void DiceButton::SettleLostReleases() {
    const Qt::MouseButtons lost = down_ & ~QGuiApplication::mouseButtons();
    if (lost == Qt::NoButton) return;
    down_ &= ~lost;
    if (lost & Qt::LeftButton) setDown(false);
    if (lost & Qt::RightButton) emit RightGestureLost(index_);
}

void DiceButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Announce(MouseAction::Move, ButtonsOf(event->buttons()), ShiftOf(event->modifiers()),
             event->position());
}

void DiceButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    down_ &= ~event->button();
    const Integer button = ButtonOf(event->button());
    if (button == vbLeftButton) setDown(false);
    Announce(MouseAction::Up, button, ShiftOf(event->modifiers()), event->position());
}

void DiceButton::Announce(MouseAction action, Integer button, Integer shift, const QPointF& at) {
    const QPointF twips = Twips(at);
    emit Mouse(action, index_, button, shift, static_cast<float>(twips.x()),
               static_cast<float>(twips.y()));
}

QPointF DiceButton::Twips(const QPointF& at) const {
    return {static_cast<float>(at.x()) * strip_.TwipsPerPixelX(),
            static_cast<float>(at.y()) * strip_.TwipsPerPixelY()};
}

void DiceButton::ActThrow() {
    emit ThrowDownAsked(index_);
    emit ThrowUpAsked(index_);
}

void DiceButton::ActStep(bool takeOne) {
    emit StepAsked(index_, takeOne);
}

void DiceButton::ActMenu() {
    emit MenuAsked(index_);
}

}  // namespace rollkin
