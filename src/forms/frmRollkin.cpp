#include "forms/frmRollkin.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWindow>

#include "forms/DiceAccessible.h"
#include "forms/Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmMenu.h"
#include "forms/frmScroller.h"
#include "platform/MouseArgs.h"
#include "platform/Units.h"
#include "state/Dice.h"
#include "state/ThrowHistory.h"

namespace rollkin {

frmRollkin::frmRollkin(Windows& windows)
    : TwipsWindow(windows.Screen, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      program_(windows) {
    InstallDiceAccessibility();  // before a screen reader first asks about the strip
    setObjectName(QStringLiteral("frmRollkin"));
    setWindowTitle(QStringLiteral("Dice Rollkin"));  // a name, the same in every language
    const float tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    resize(TwipsToPixels(StripWidth, tppX), TwipsToPixels(StripHeight, tppY));

    QFont font(QStringLiteral("Arial Narrow"), CaptionPoints, QFont::Bold);
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        auto* b = new DiceButton(*this, i, DiceColour(i));
        b->setFont(font);
        b->SetCaption(QStringLiteral("d%1").arg(DesignDiceSides[i - FirstSlot]));
        b->resize(TwipsToPixels(DiceButtonWidth, tppX), TwipsToPixels(DiceButtonHeight, tppY));
        b->SetTop(static_cast<float>(i - 1) * ButtonPitch);
        buttons_(i) = b;
    }
}

frmRollkin::~frmRollkin() = default;

void frmRollkin::SetHeight(float twips) {
    FitMonitor(twips);
    resize(width(), TwipsToPixels(twips, TwipsPerPixelY()));
}

void frmRollkin::FitMonitor(float heightTwips) {
    heightTwips_ = heightTwips;
    Desktop& screen = program_.Screen;
    const float scale =
        functions::FitScale(heightTwips, screen.TwipsPerPixelY(), screen.MonitorOf(*this).height());
    if (scale == screen.StripScale()) return;
    // Everything the strip draws, in proportion: the window, its buttons and their captions,
    // and the scroller.
    screen.SetStripScale(scale);
    const float tppX = TwipsPerPixelX(), tppY = TwipsPerPixelY();
    resize(TwipsToPixels(StripWidth, tppX), TwipsToPixels(heightTwips, tppY));
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        DiceButton& b = cmdDice(i);
        QFont font = b.font();
        font.setPointSizeF(CaptionPoints * static_cast<qreal>(scale));
        b.setFont(font);
        b.resize(TwipsToPixels(DiceButtonWidth, tppX), TwipsToPixels(DiceButtonHeight, tppY));
        b.SetTop(b.Top());
    }
    if (program_.ScrollerLoaded()) program_.Scroller().FitScale();
}

void frmRollkin::Refresh() {
    repaint();
}

void frmRollkin::Form_Load() {
    AppState& s = program_.State;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        s.DiceMultiplier(i) = 1;
        s.DiceDragged(i) = False;
        s.RightPressState(i) = 0;
    }
    ResetSettings(s);
    // The scroller's range; this first reference creates the scroller, hidden.
    program_.Scroller().SetMultiplierRange(s.MultiplierRange);
    program_.Rnd.Randomize(program_.Screen.TimeOfDay());
    for (int i = FirstSlot; i <= LastSlot; ++i)
        s.DiceSides(i) = DesignDiceSides[i - FirstSlot];
    FitMonitor(StripHeight);  // a strip taller than its monitor is drawn smaller
    functions::PlaceMainWindow(program_);
}

void frmRollkin::MonitorsChanged() {
    FitMonitor(heightTwips_);
    if (program_.State.FreePosition) {
        const QPoint to = functions::OntoNearestMonitor(geometry(), program_.Screen.Monitors());
        if (to == pos()) return;
        SetLeft(PixelsToTwips(to.x(), TwipsPerPixelX()));
        SetTop(PixelsToTwips(to.y(), TwipsPerPixelY()));
    }
    functions::PlaceMainWindow(program_);
}

void frmRollkin::Form_KeyDown(Integer keyCode, Integer) {
    if (keyCode == vbKeyF1) {
        frmAbout about(program_.Screen);
        program_.Screen.ShowModal(about);
    }
}

void frmRollkin::Form_Unload() {
    program_.End();
}

void frmRollkin::GetCursorPosInto(PointL& pt) {
    if (!program_.Screen.GetCursorPos(pt)) {
        program_.Screen.MsgBox(tr("Error getting cursor pos"), MsgOkOnly);
    }
}

void frmRollkin::cmdDice_MouseDown(int index, Integer button, Integer shift, float, float) {
    AppState& s = program_.State;
    if (button == vbLeftButton && shift == vbShiftMask) {
        program_.Screen.PopupMenu(*program_.Menu().mnuHidden);
    } else if (button == vbLeftButton && shift == vbCtrlMask && s.FreePosition) {
        GetCursorPosInto(s.PressCursor);
        s.PressWindowOrigin.x = TwipsToPixels(Left(), TwipsPerPixelX());
        s.PressWindowOrigin.y = TwipsToPixels(Top(), TwipsPerPixelY());
        program_.Screen.SetMousePointer(PointerMove);
    } else if (button == vbLeftButton) {
        ThrowRecord record{FaceLabel(s, index), {}, 0};
        record.total = Throw(s, index, program_.Rnd, &record.faces);
        cmdDice(index).ShowThrow(record);
        // Every throw passes here, by mouse, key or a screen reader's action.
        program_.Throws().Add(record, static_cast<int>(program_.Screen.TimeOfDay()));
    } else if (button == vbRightButton) {
        GetCursorPosInto(s.PressCursor);
        s.RightPressState(index) = 1;
    }
}

void frmRollkin::cmdDice_MouseMove(int index, Integer button, Integer shift, float, float) {
    AppState& s = program_.State;
    if (shift == vbCtrlMask && button == vbLeftButton && s.FreePosition) {
        GetCursorPosInto(s.DragCursor);
        // Whole pixels first, then twips; 64 bits so that no cursor value can overflow the sum.
        const auto dx =
            static_cast<std::int64_t>(s.DragCursor.x) + s.PressWindowOrigin.x - s.PressCursor.x;
        const auto dy =
            static_cast<std::int64_t>(s.DragCursor.y) + s.PressWindowOrigin.y - s.PressCursor.y;
        SetLeft(TwipsPerPixelX() * static_cast<float>(dx));
        SetTop(TwipsPerPixelY() * static_cast<float>(dy));
    } else if (button == vbRightButton) {
        GetCursorPosInto(s.DragCursor);
        frmScroller& scroller = program_.Scroller();
        scroller.TrackScroller();
        if (s.DragCursor != s.PressCursor) {
            s.DiceDragged(index) = True;
            if (s.RightPressState(index) == 1) s.RightPressState(index) = 2;
        }
        if (s.RightPressState(index) == 2) {
            s.RightPressState(index) = 0;
            scroller.OpenScroller(index);
        }
    }
}

void frmRollkin::cmdDice_MouseUp(int index, Integer button, Integer shift, float, float) {
    AppState& s = program_.State;
    if (button == vbLeftButton && shift == 0) {
        if (!s.MultiplierPermanent && s.DiceMultiplier(index) != 1) {
            s.DiceMultiplier(index) = 1;
            // A total stays until its timer; but a face label (the press threw nothing, as when
            // Ctrl was let go during a move) would go on naming dice the button no longer throws.
            if (!cmdDice(index).ShowsThrow()) {
                cmdDice(index).SetCaption(QString::fromStdString(FaceLabel(s, index)));
            }
        }
        if (!s.ResultPermanent) program_.Menu().tmrRefresh(index).start();
    } else if (button == vbLeftButton && shift == vbCtrlMask && s.FreePosition) {
        program_.Screen.SetMousePointer(PointerDefault);
    } else if (button == vbRightButton) {
        if (s.DiceDragged(index)) {
            program_.Scroller().EndScrollerDrag(index);
            s.DiceDragged(index) = False;
        } else {
            StepMultiplier(index, shift == vbShiftMask);
        }
        s.RightPressState(index) = 0;
        program_.Scroller().hide();
        cmdDice(index).SetCaption(QString::fromStdString(FaceLabel(s, index)));
    }
}

void frmRollkin::StepMultiplier(int index, bool takeOne) {
    AppState& s = program_.State;
    if (takeOne) {
        if (s.DiceMultiplier(index) > 1) --s.DiceMultiplier(index);
    } else {
        if (s.DiceMultiplier(index) < s.MultiplierRange) ++s.DiceMultiplier(index);
    }
}

void frmRollkin::ThrowDown(int index) {
    DiceButton& b = cmdDice(index);
    b.setDown(true);
    b.Hand(&frmRollkin::cmdDice_MouseDown, vbLeftButton, 0, QPointF(b.width() / 2, b.height() / 2));
}

void frmRollkin::ThrowUp(int index) {
    DiceButton& b = cmdDice(index);
    b.setDown(false);
    b.Hand(&frmRollkin::cmdDice_MouseUp, vbLeftButton, 0, QPointF(b.width() / 2, b.height() / 2));
}

void frmRollkin::StepDice(int index, bool takeOne) {
    StepMultiplier(index, takeOne);
    cmdDice(index).SetCaption(QString::fromStdString(FaceLabel(program_.State, index)));
}

void frmRollkin::ShowMenuBeside(int index) {
    QMenu& menu = *program_.Menu().mnuHidden;
    const int menuWidth = menu.sizeHint().width();
    const auto screenWidth =
        static_cast<int>(program_.Screen.ScreenWidth() / program_.Screen.TwipsPerPixelX());
    // Right of the strip, level with the button; left of it where the screen ends first.
    QPoint at = mapToGlobal(QPoint(width(), cmdDice(index).y()));
    if (at.x() + menuWidth > screenWidth) at.setX(mapToGlobal(QPoint(0, 0)).x() - menuWidth);
    // Opened from the keyboard, the menu starts on its first item, as desktop menus do: Enter
    // chooses it at once.
    for (QAction* item : menu.actions()) {
        if (!item->isSeparator() && item->isEnabled() && item->isVisible()) {
            menu.setActiveAction(item);
            break;
        }
    }
    program_.Screen.PopupMenuAt(menu, at.x(), at.y());
    SettleLostReleases();
}

void frmRollkin::MoveFocus(int index, DiceKey where) {
    int target = 0;
    auto firstVisible = [&](int from, int step) {
        for (int i = from; i >= FirstSlot && i <= LastSlot; i += step) {
            if (cmdDice(i).Visible()) return i;
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
            target = firstVisible(LastSlot, -1);
            break;
        default:
            break;
    }
    if (target != 0 && target != index) {
        cmdDice(target).setFocus(target < index ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
}

void frmRollkin::RightGestureLost(int index) {
    AppState& s = program_.State;
    s.RightPressState(index) = 0;
    s.DiceDragged(index) = False;
    if (program_.ScrollerLoaded()) program_.Scroller().hide();
}

void frmRollkin::SettleLostReleases() {
    for (int i = FirstSlot; i <= LastSlot; ++i)
        cmdDice(i).SettleLostReleases();
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
    for (int i = FirstSlot; i <= LastSlot; ++i)
        pressedHere = pressedHere || strip.cmdDice(i).Held();
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
