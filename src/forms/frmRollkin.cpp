#include "forms/frmRollkin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include "forms/DiceAccessible.h"
#include "forms/SavedStrip.h"
#include "platform/MouseArgs.h"
#include "platform/Units.h"
#include "state/Random.h"

namespace rollkin {

frmRollkin::frmRollkin(AppState& state, Random& rng, Desktop& screen)
    : TwipsWindow(screen, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      state_(state),
      rng_(rng),
      saved_(new SavedStrip(*this, rng, screen)) {
    InstallDiceAccessibility();  // before a screen reader first asks about the strip
    setObjectName(QStringLiteral("frmRollkin"));
    setWindowTitle(QStringLiteral("Dice Rollkin"));  // a name, the same in every language
    // A click leaves the typing where it was, so the strip is seldom the active window: its
    // buttons' tooltips (a throw's dice, a saved roll's line) show all the same. Qt's tooltip
    // is a window that takes no focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    const float tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    resize(TwipsToPixels(StripWidth, tppX), TwipsToPixels(StripHeight, tppY));

    QFont font(QStringLiteral("Arial Narrow"), static_cast<int>(CaptionPoints), QFont::Bold);
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        auto* b = new DiceButton(*this, i, DiceColour(i));
        Wire(b);
        b->setFont(font);
        b->SetCaption(QStringLiteral("d%1").arg(DesignDiceSides[i - FirstSlot]));
        b->resize(TwipsToPixels(DiceButtonWidth, tppX), TwipsToPixels(DiceButtonHeight, tppY));
        b->SetTop(static_cast<float>(i - 1) * ButtonPitch);
        buttons_(i) = b;
    }
    connect(saved_, &SavedStrip::Rolled, this, &frmRollkin::Rolled);
}

frmRollkin::~frmRollkin() = default;

void frmRollkin::Wire(DiceButton* b) {
    connect(b, &DiceButton::Mouse, this, &frmRollkin::cmdDice_Mouse);
    connect(b, &DiceButton::ThrowDownAsked, this, &frmRollkin::ThrowDown);
    connect(b, &DiceButton::ThrowUpAsked, this, &frmRollkin::ThrowUp);
    connect(b, &DiceButton::StepAsked, this, &frmRollkin::StepDice);
    connect(b, &DiceButton::MenuAsked, this, &frmRollkin::ShowMenuBeside);
    connect(b, &DiceButton::FocusMoveAsked, this, &frmRollkin::MoveFocus);
    connect(b, &DiceButton::RightGestureLost, this, &frmRollkin::RightGestureLost);
    connect(b, &DiceButton::PressHandled, this, &frmRollkin::SettleLostReleases);
}

DiceButton& frmRollkin::ButtonAt(int index) const {
    return index <= LastSlot ? cmdDice(index) : saved_->Button(index);
}

int frmRollkin::ButtonCount() const {
    return LastSlot + saved_->Count();
}

int frmRollkin::SavedButtons() const {
    return saved_->Count();
}

void frmRollkin::SetSavedRolls(const SavedRolls& rolls) {
    saved_->SetRolls(rolls, cmdDice(FirstSlot));
    for (int i = LastSlot + 1; i <= ButtonCount(); ++i)
        Wire(&ButtonAt(i));
}

void frmRollkin::ShowSavedRolls(const SavedRolls& rolls) {
    SetSavedRolls(rolls);
    ShowLayout(functions::ApplyLayout(state_, saved_->Count()));
}

int frmRollkin::SavedColumns() const {
    const float tppX = screen_.TwipsPerPixelX(), tppY = screen_.TwipsPerPixelY();
    return functions::SavedColumns(
        state_, saved_->Count(), tppY, screen_.MonitorOf(*this).height(),
        [this, tppX, tppY](float scale) { return saved_->ReadableAt(scale, tppX, tppY); });
}

functions::StripLayout frmRollkin::Arrange(const functions::StripLayout& given) {
    const int columns = SavedColumns();
    const functions::StripLayout layout =
        columns == given.columns ? given : functions::ApplyLayout(state_, saved_->Count(), columns);
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        if (layout.shown(i)) cmdDice(i).SetTop(layout.top(i));
        cmdDice(i).SetVisible(layout.shown(i));
    }
    widthTwips_ = layout.width;
    columns_ = layout.columns;
    SetHeight(layout.height);  // a strip taller than its monitor is drawn smaller
    saved_->Place(layout);
    return layout;
}

void frmRollkin::SetHeight(float twips) {
    FitMonitor(twips);
    resize(TwipsToPixels(widthTwips_, TwipsPerPixelX()), TwipsToPixels(twips, TwipsPerPixelY()));
}

void frmRollkin::FitMonitor(float heightTwips) {
    heightTwips_ = heightTwips;
    Desktop& screen = screen_;
    const float scale =
        functions::FitScale(heightTwips, screen.TwipsPerPixelY(), screen.MonitorOf(*this).height());
    if (scale == screen.StripScale()) return;
    // Everything the strip draws, in proportion: the window, its buttons and their captions,
    // and the scroller.
    screen.SetStripScale(scale);
    const float tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    resize(TwipsToPixels(widthTwips_, tppX), TwipsToPixels(heightTwips, tppY));
    for (int i = FirstSlot; i <= ButtonCount(); ++i) {
        DiceButton& b = ButtonAt(i);
        QFont font = b.font();
        font.setPointSizeF(CaptionPoints * static_cast<qreal>(scale));
        b.setFont(font);
        b.resize(TwipsToPixels(DiceButtonWidth, tppX), TwipsToPixels(DiceButtonHeight, tppY));
        b.SetTop(b.Top());
    }
    emit ScaleChanged();
}

void frmRollkin::Refresh() {
    repaint();
}

void frmRollkin::Form_Load() {
    AppState& s = state_;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        s.DiceMultiplier(i) = 1;
        s.DiceDragged(i) = False;
        s.RightPressState(i) = 0;
    }
    ResetSettings(s);
    emit SettingsStarted();
    // The scroller's range; this first reference creates the scroller, hidden.
    emit ScrollerRangeAsked(s.MultiplierRange);
    rng_.Randomize(screen_.TimeOfDay());
    // Each caption, tooltip and spoken name says what the button throws: remembered
    // multipliers included.
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        s.DiceSides(i) = DesignDiceSides[i - FirstSlot];
        ShowFaceLabel(i);
    }
    // The design's ten buttons, and the saved rolls' under them (or beside them).
    Arrange(functions::ApplyLayout(s, saved_->Count()));
    PlaceMainWindow();
}

void frmRollkin::MonitorsChanged() {
    // Another monitor may hold the saved buttons in one column, or not.
    if (SavedColumns() != columns_) Arrange(functions::ApplyLayout(state_, saved_->Count()));
    FitMonitor(heightTwips_);
    if (state_.FreePosition) {
        const QPoint to = functions::OntoNearestMonitor(geometry(), screen_.Monitors());
        if (to == pos()) return;
        SetLeft(PixelsToTwips(to.x(), TwipsPerPixelX()));
        SetTop(PixelsToTwips(to.y(), TwipsPerPixelY()));
    }
    PlaceMainWindow();
}

void frmRollkin::PlaceMainWindow() {
    const float tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    const functions::Placement p = functions::PlaceMainWindow(
        state_, {Left(), Top(), Width(), Height()}, screen_.MonitorOf(*this), tppX, tppY);
    screen_.SetWindowPos(*this, p.after, p.x, p.y, p.cx, p.cy, p.flags);
}

void frmRollkin::ShowLayout(const functions::StripLayout& layout) {
    Arrange(layout);
    Refresh();
    PlaceMainWindow();
}

void frmRollkin::ShowFaceLabel(int index) {
    if (index > LastSlot) return saved_->ShowName(index);
    cmdDice(index).SetCaption(QString::fromStdString(FaceLabel(state_, index)));
}

void frmRollkin::Form_KeyDown(Integer keyCode, Integer) {
    if (keyCode == vbKeyF1) emit AboutAsked();
}

void frmRollkin::Form_Unload() {
    emit ExitAsked();
}

void frmRollkin::GetCursorPosInto(PointL& pt) {
    if (!screen_.GetCursorPos(pt)) {
        screen_.MsgBox(tr("Error getting cursor pos"), MsgOkOnly);
    }
}

void frmRollkin::cmdDice_MouseDown(int index, Integer button, Integer shift, float, float) {
    AppState& s = state_;
    if (button == vbLeftButton && shift == vbShiftMask) {
        emit PopupMenuAsked();
    } else if (button == vbLeftButton && shift == vbCtrlMask && s.FreePosition) {
        GetCursorPosInto(s.PressCursor);
        s.PressWindowOrigin.x = TwipsToPixels(Left(), TwipsPerPixelX());
        s.PressWindowOrigin.y = TwipsToPixels(Top(), TwipsPerPixelY());
        screen_.SetMousePointer(PointerMove);
    } else if (button == vbLeftButton && index > LastSlot) {
        saved_->Throw(index);
    } else if (button == vbLeftButton) {
        ThrowRecord record{FaceLabel(s, index), {}, 0};
        record.total = Throw(s, index, rng_, &record.faces);
        cmdDice(index).ShowThrow(record);
        // Every throw passes here, by mouse, key or a screen reader's action.
        emit Thrown(record);
    } else if (button == vbRightButton && index <= LastSlot) {  // a saved roll has no dice
        GetCursorPosInto(s.PressCursor);
        s.RightPressState(index) = 1;
    }
}

void frmRollkin::cmdDice_MouseMove(int index, Integer button, Integer shift, float, float) {
    AppState& s = state_;
    if (shift == vbCtrlMask && button == vbLeftButton && s.FreePosition) {
        GetCursorPosInto(s.DragCursor);
        // Whole pixels first, then twips; 64 bits so that no cursor value can overflow the sum.
        const auto dx =
            static_cast<std::int64_t>(s.DragCursor.x) + s.PressWindowOrigin.x - s.PressCursor.x;
        const auto dy =
            static_cast<std::int64_t>(s.DragCursor.y) + s.PressWindowOrigin.y - s.PressCursor.y;
        SetLeft(TwipsPerPixelX() * static_cast<float>(dx));
        SetTop(TwipsPerPixelY() * static_cast<float>(dy));
    } else if (button == vbRightButton && index <= LastSlot) {
        GetCursorPosInto(s.DragCursor);
        emit TrackScrollerAsked();
        if (s.DragCursor != s.PressCursor) {
            s.DiceDragged(index) = True;
            if (s.RightPressState(index) == 1) s.RightPressState(index) = 2;
        }
        if (s.RightPressState(index) == 2) {
            s.RightPressState(index) = 0;
            emit OpenScrollerAsked(index);
        }
    }
}

void frmRollkin::cmdDice_MouseUp(int index, Integer button, Integer shift, float, float) {
    AppState& s = state_;
    if (button == vbLeftButton && shift == 0) {
        if (index <= LastSlot && !s.MultiplierPermanent && s.DiceMultiplier(index) != 1) {
            s.DiceMultiplier(index) = 1;
            // A total stays until its timer; but a face label (the press threw nothing, as when
            // Ctrl was let go during a move) would go on naming dice the button no longer throws.
            if (!cmdDice(index).ShowsThrow()) ShowFaceLabel(index);
        }
        if (!s.ResultPermanent) emit RefreshAsked(index);
    } else if (button == vbLeftButton && shift == vbCtrlMask && s.FreePosition) {
        screen_.SetMousePointer(PointerDefault);
        emit Moved();
    } else if (button == vbRightButton && index <= LastSlot) {
        if (s.DiceDragged(index)) {
            emit EndScrollerDragAsked(index);
            s.DiceDragged(index) = False;
        } else {
            StepMultiplier(index, shift == vbShiftMask);
        }
        s.RightPressState(index) = 0;
        emit HideScrollerAsked();
        ShowFaceLabel(index);
        emit MultipliersChanged();
    }
}

void frmRollkin::StepMultiplier(int index, bool takeOne) {
    AppState& s = state_;
    if (takeOne) {
        if (s.DiceMultiplier(index) > 1) --s.DiceMultiplier(index);
    } else {
        if (s.DiceMultiplier(index) < s.MultiplierRange) ++s.DiceMultiplier(index);
    }
}

void frmRollkin::cmdDice_Mouse(MouseAction action, int index, Integer button, Integer shift,
                               float x, float y) {
    switch (action) {
        case MouseAction::Down:
            cmdDice_MouseDown(index, button, shift, x, y);
            break;
        case MouseAction::Move:
            cmdDice_MouseMove(index, button, shift, x, y);
            break;
        case MouseAction::Up:
            cmdDice_MouseUp(index, button, shift, x, y);
            break;
    }
}

void frmRollkin::KeyThrow(int index, MouseAction action) {
    DiceButton& b = ButtonAt(index);
    b.setDown(action == MouseAction::Down);
    const QPointF centre = b.Twips(QPointF(b.width() / 2, b.height() / 2));
    cmdDice_Mouse(action, index, vbLeftButton, 0, static_cast<float>(centre.x()),
                  static_cast<float>(centre.y()));
}

void frmRollkin::ThrowDown(int index) {
    KeyThrow(index, MouseAction::Down);
}

void frmRollkin::ThrowUp(int index) {
    KeyThrow(index, MouseAction::Up);
}

void frmRollkin::StepDice(int index, bool takeOne) {
    if (index > LastSlot) return;
    StepMultiplier(index, takeOne);
    ShowFaceLabel(index);
    emit MultipliersChanged();
}

void frmRollkin::ShowMenuBeside(int index) {
    // Level with the button.
    const QPoint right = mapToGlobal(QPoint(width(), ButtonAt(index).y()));
    emit PopupMenuBesideAsked(mapToGlobal(QPoint(0, 0)).x(), right.x(), right.y());
    SettleLostReleases();
}

void frmRollkin::MoveFocus(int index, DiceKey where) {
    int target = 0;
    auto firstVisible = [&](int from, int step) {
        for (int i = from; i >= FirstSlot && i <= ButtonCount(); i += step) {
            if (ButtonAt(i).Visible()) return i;
        }
        return 0;
    };
    switch (where) {
        case DiceKey::Previous:
            target = firstVisible(index - 1, -1);
            break;
        case DiceKey::Next:
            target = firstVisible(index + 1, 1);
            break;
        case DiceKey::First:
            target = firstVisible(FirstSlot, 1);
            break;
        case DiceKey::Last:
            target = firstVisible(ButtonCount(), -1);
            break;
        default:
            break;
    }
    if (target != 0 && target != index) {
        ButtonAt(target).setFocus(target < index ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
}

void frmRollkin::RightGestureLost(int index) {
    AppState& s = state_;
    s.RightPressState(index) = 0;
    s.DiceDragged(index) = False;
    emit HideScrollerAsked();
}

void frmRollkin::SettleLostReleases() {
    for (int i = FirstSlot; i <= ButtonCount(); ++i)
        ButtonAt(i).SettleLostReleases();
}

void frmRollkin::closeEvent(QCloseEvent* event) {
    // A close request from the desktop unloads the strip, which ends the program.
    event->accept();
    Form_Unload();
}

void frmRollkin::keyPressEvent(QKeyEvent* event) {
    // Every key of the strip ends here: those pressed on it and those its focused button left
    // alone (F1 among them; the button takes only its own keys).
    Form_KeyDown(KeyCodeOf(event->key()), ShiftOf(event->modifiers()));
    SettleLostReleases();
}

bool frmRollkin::event(QEvent* event) {
    // The native window, made at the first showing: its moves are watched (eventFilter).
    if (event->type() == QEvent::WinIdChange && windowHandle() != nullptr)
        windowHandle()->installEventFilter(this);
    return TwipsWindow::event(event);
}

namespace {

// Qt gives a move with a button held only to the widget that took the press, so one begun
// outside the program reaches no button. It goes to the button under the cursor, with the
// buttons held: a right press made outside still makes a right drag there.
bool HandOnMove(frmRollkin& strip, const QMouseEvent& move) {
    auto* under = dynamic_cast<DiceButton*>(strip.childAt(move.position().toPoint()));
    bool pressedHere = QWidget::mouseGrabber() != nullptr;
    for (int i = FirstSlot; i <= strip.ButtonCount(); ++i)
        pressedHere = pressedHere || strip.ButtonAt(i).Held();
    if (under == nullptr || move.buttons() == Qt::NoButton || pressedHere) return false;
    QMouseEvent local(QEvent::MouseMove, under->mapFrom(&strip, move.position()),
                      move.globalPosition(), Qt::NoButton, move.buttons(), move.modifiers());
    QCoreApplication::sendEvent(under, &local);
    return true;
}

}  // namespace

bool frmRollkin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {  // of the native window, only the moves
        return event->type() == QEvent::MouseMove &&
               HandOnMove(*this, *static_cast<QMouseEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace rollkin
