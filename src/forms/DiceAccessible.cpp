#include "forms/DiceAccessible.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWindow>

#include "forms/frmRollkin.h"

namespace rollkin {

namespace {

// Qt describes the actions in its own words, which it looks up in the installed catalogues
// under its own context: the program's catalogue carries them.
[[maybe_unused]] constexpr const char* QtActionDescriptions[] = {
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Triggers the action"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Increase the value"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Decrease the value"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Shows the menu"),
    QT_TRANSLATE_NOOP("QAccessibleActionInterface", "Sets the focus")};

class DiceButtonAccessible final : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(DiceAccessible)

public:
    explicit DiceButtonAccessible(DiceButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Button()->SpokenName() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Button()->isDown();
        return s;
    }

    QStringList actionNames() const override {
        // A saved roll's button has no dice to add or take away.
        if (Button()->Index() > LastSlot)
            return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
        return QStringList{pressAction(), increaseAction(), decreaseAction(), showMenuAction()} +
               QAccessibleWidget::actionNames();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        // Key names as the keyboard's labels read in the user's language.
        if (action == pressAction()) return {tr("Space")};
        if (action == increaseAction()) return {QStringLiteral("+")};
        if (action == decreaseAction()) return {QStringLiteral("-")};
        if (action == showMenuAction()) return {tr("Menu"), tr("Shift+F10")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    void doAction(const QString& action) override {
        DiceButton* b = Button();
        if (action == pressAction()) {
            if (!Usable(b)) return;
            b->ActThrow();
        } else if (action == increaseAction() || action == decreaseAction()) {
            if (Usable(b)) b->ActStep(action == decreaseAction());
        } else if (action == showMenuAction()) {
            // The menu waits for the user; the screen reader's call must not wait with it.
            QTimer::singleShot(0, b, [b] {
                if (Usable(b)) b->ActMenu();
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

// The program as screen readers see it: the windows on the screen, an open menu among them. A
// window that is hidden, or never shown (the menu's host), is not there to be read.
class ShownWindowsAccessible final : public QAccessibleApplication {
public:
    int childCount() const override { return static_cast<int>(Shown().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> shown = Shown();
        return index >= 0 && index < shown.size() ? shown.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Shown().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    static QList<QAccessibleInterface*> Shown() {
        QList<QAccessibleInterface*> shown;
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            if (!w->isVisible() || w->type() == Qt::Desktop) continue;
            QAccessibleInterface* root = w->accessibleRoot();
            if (root != nullptr && root->object() != nullptr) shown.append(root);
        }
        return shown;
    }
};

QAccessibleInterface* StripFactory(const QString& className, QObject* object) {
    if (auto* button = dynamic_cast<DiceButton*>(object)) return new DiceButtonAccessible(button);
    // The strip is a window to a screen reader, not a filler inside one.
    if (auto* strip = dynamic_cast<frmRollkin*>(object))
        return new QAccessibleWidget(strip, QAccessible::Window);
    if (object == qApp && className == QLatin1String("QApplication"))
        return new ShownWindowsAccessible;
    return nullptr;
}

}  // namespace

void InstallDiceAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(StripFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace rollkin
