#include "forms/DiceAccessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>

#include "forms/frmRollkin.h"

namespace rollkin {

namespace {

class DiceButtonAccessible final : public QAccessibleWidget {
public:
    explicit DiceButtonAccessible(DiceButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Button()->isDown();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction(), increaseAction(), decreaseAction(), showMenuAction()} +
               QAccessibleWidget::actionNames();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        if (action == increaseAction()) return {QStringLiteral("+")};
        if (action == decreaseAction()) return {QStringLiteral("-")};
        if (action == showMenuAction())
            return {QStringLiteral("Menu"), QStringLiteral("Shift+F10")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    void doAction(const QString& action) override {
        DiceButton* b = Button();
        if (action == pressAction()) {
            if (!Usable(b)) return;
            b->Form().ThrowDown(b->Index());
            b->Form().ThrowUp(b->Index());
        } else if (action == increaseAction() || action == decreaseAction()) {
            if (Usable(b)) b->Form().StepDice(b->Index(), action == decreaseAction());
        } else if (action == showMenuAction()) {
            // The menu waits for the user; the screen reader's call must not wait with it.
            QTimer::singleShot(0, b, [b] {
                if (Usable(b)) b->Form().ShowMenuBeside(b->Index());
            });
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    DiceButton* Button() const { return static_cast<DiceButton*>(widget()); }

    // What the mouse could not reach, no action reaches either: a button not offered, or any
    // button while a dialog or a menu is open.
    static bool Usable(const DiceButton* b) {
        return b->Visible() && b->isEnabled() && QApplication::activeModalWidget() == nullptr &&
               QApplication::activePopupWidget() == nullptr;
    }
};

QAccessibleInterface* DiceButtonFactory(const QString&, QObject* object) {
    if (auto* button = dynamic_cast<DiceButton*>(object)) return new DiceButtonAccessible(button);
    return nullptr;
}

}  // namespace

void InstallDiceAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DiceButtonFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace rollkin
