#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTranslator>
#include <cstdlib>

#include "ProgramFixture.h"
#include "app/Translation.h"
#include "forms/frmAbout.h"
#include "forms/frmConfig.h"

namespace rollkin::test {
namespace {

// The catalogue of a locale, installed for the scope.
struct Installed {
    explicit Installed(const QLocale& locale) : loaded(LoadCatalogue(catalogue, locale)) {
        if (loaded) QCoreApplication::installTranslator(&catalogue);
    }
    ~Installed() { QCoreApplication::removeTranslator(&catalogue); }
    QTranslator catalogue;
    bool loaded;
};

// Pixels a control needs for its caption: the text, with a check box's indicator, a button's
// frame or a group box's indent.
int Needed(QWidget* w) {
    const QFontMetrics m = w->fontMetrics();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return m.horizontalAdvance(g->title()) + 16;
    if (auto* b = qobject_cast<QPushButton*>(w)) return m.horizontalAdvance(b->text()) + 4;
    const QStyle* s = w->style();
    if (auto* c = qobject_cast<QCheckBox*>(w))
        return s->pixelMetric(QStyle::PM_IndicatorWidth) +
               s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + m.horizontalAdvance(c->text());
    if (auto* r = qobject_cast<QRadioButton*>(w))
        return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + m.horizontalAdvance(r->text());
    return w->sizeHint().width();
}

void UncheckAllAndConfirm(frmConfig& dialog) {
    for (int i = 1; i <= 10; ++i)
        SetValue(dialog.chkDice(i), 0);
    dialog.cmdOk_Click();
}

using Translation = ProgramFixture;

TEST_F(Translation, GermanCatalogueSpeaksGermanAndTheCLocaleEnglish) {
    {
        Installed german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german.loaded);
        EXPECT_EQ(menu().mnuConfigure->text(), "Einstellungen...");
        EXPECT_EQ(menu().mnuExit->text(), "Beenden");
        frmConfig dialog(program);
        EXPECT_EQ(dialog.windowTitle(), "Dice Rollkin – Einstellungen");
        UncheckAllAndConfirm(dialog);
        EXPECT_EQ(desktop.messages.at(0).prompt, "Bitte mindestens einen Würfel wählen.");
    }
    for (const QLocale& english : {QLocale::c(), QLocale(QLocale::English, QLocale::Ireland)})
        EXPECT_FALSE(Installed(english).loaded) << english.name().toStdString();
    Program english{desktop, rng};
    EXPECT_EQ(english.Menu().mnuConfigure->text(), "Configure...");
    frmConfig dialog(english);
    EXPECT_EQ(dialog.windowTitle(), "Dice Rollkin Configuration");
    UncheckAllAndConfirm(dialog);
    EXPECT_EQ(desktop.messages.at(1).prompt, "Select at least one dice...");

    // The C locale speaks English, also when LANGUAGE asks for another language (as gettext).
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("LANGUAGE", "de", 1);
    QTranslator desktopCatalogue;
    EXPECT_FALSE(LoadDesktopCatalogue(desktopCatalogue));
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_TRUE(LoadDesktopCatalogue(desktopCatalogue));
    unsetenv("LC_ALL");
    unsetenv("LANGUAGE");
}

TEST_F(Translation, EveryCaptionFitsItsControlAt96DpiInEveryLanguage) {
    for (const char* name : {"en", "de", "es", "fr", "it", "pt_BR"}) {
        Installed language{QLocale(QString::fromLatin1(name))};
        EXPECT_EQ(language.loaded, name != std::string("en")) << name;
        frmConfig dialog(program);
        frmAbout about(program);
        for (QWidget* form : std::initializer_list<QWidget*>{&dialog, &about}) {
            for (QWidget* w : form->findChildren<QWidget*>())
                EXPECT_LE(Needed(w), w->width())
                    << name << " " << w->objectName().toStdString() << " "
                    << w->property("text").toString().toStdString();
        }
    }
}

}  // namespace
}  // namespace rollkin::test
