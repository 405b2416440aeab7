#include <gtest/gtest.h>

#include <QLocale>
#include <QTranslator>

#include "ProgramFixture.h"
#include "app/Translation.h"
#include "forms/frmConfig.h"

namespace rollkin::test {
namespace {

// The catalogue of a locale, installed for the scope (an empty one translates nothing).
struct Installed {
    explicit Installed(const QLocale& locale) : loaded(LoadCatalogue(qm, locale)) {
        QCoreApplication::installTranslator(&qm);
    }
    ~Installed() { QCoreApplication::removeTranslator(&qm); }
    QTranslator qm;
    bool loaded;
};

using Translation = ProgramFixture;

TEST_F(Translation, GermanCatalogueSpeaksGermanAndTheCLocaleEnglish) {
    auto noDice = [this](Program& p) {  // the dialog's caption and its no-dice message
        frmConfig dialog(p.Settings().State(), desktop);
        for (int i = 1; i <= 10; ++i)
            SetValue(dialog.chkDice(i), 0);
        dialog.cmdOk_Click();
        return dialog.windowTitle() + " | " + desktop.messages.back().prompt;
    };
    {
        Installed german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german.loaded);
        EXPECT_EQ(menu().mnuConfigure->text(), "Einstellungen...");
        EXPECT_EQ(noDice(program),
                  "Dice Rollkin – Einstellungen | Bitte mindestens einen Würfel wählen.");
    }
    EXPECT_FALSE(Installed(QLocale::c()).loaded);  // the C locale: no catalogue, English
    Program english{desktop, rng};
    EXPECT_EQ(english.Menu().mnuConfigure->text(), "Configure...");
    EXPECT_EQ(noDice(english), "Dice Rollkin Configuration | Select at least one dice...");

    // The desktop's locale decides; LANGUAGE does not override the C locale (as in gettext).
    QTranslator desktopCatalogue;
    setenv("LANGUAGE", "de", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    EXPECT_FALSE(LoadDesktopCatalogue(desktopCatalogue));
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_TRUE(LoadDesktopCatalogue(desktopCatalogue));
    unsetenv("LC_ALL");
    unsetenv("LANGUAGE");
}

TEST(DesktopLanguage, TheFirstSetVariableDecidesAndCOrEnglishLoadsNothing) {
    struct Row {
        const char *lcAll, *lcMessages, *lang, *language;
        bool asks;  // whether Qt's languages are asked for a catalogue
    };
    const Row rows[] = {
        {nullptr, nullptr, nullptr, nullptr, false},  // nothing set: English
        {"", "", "", "de", false},
        {"C", nullptr, "de_DE.UTF-8", nullptr, false},  // LC_ALL first
        {"C.UTF-8", nullptr, nullptr, "de", false},     // LANGUAGE never overrides C
        {"POSIX", nullptr, nullptr, nullptr, false},
        {"de_DE.UTF-8", nullptr, nullptr, nullptr, true},
        {"", "fr_FR.UTF-8", "C", nullptr, true},  // then LC_MESSAGES, then LANG
        {nullptr, "", "it_IT", nullptr, true},
        {"en_GB.UTF-8", nullptr, nullptr, nullptr, false},
        {"en", nullptr, nullptr, nullptr, false},
        {"en@shaw", nullptr, nullptr, "", false},
        {"en_US.UTF-8", nullptr, nullptr, "de:en", true},  // a list of preferences beside English
        {"eo", nullptr, nullptr, nullptr, true},           // "en" must end there to be English
        {"Ca_ES", nullptr, nullptr, nullptr, true},        // nor is every C name the C locale
    };
    for (const Row& r : rows) {
        EXPECT_EQ(MayHaveCatalogue(r.lcAll, r.lcMessages, r.lang, r.language), r.asks)
            << (r.lcAll ? r.lcAll : "-") << " " << (r.lcMessages ? r.lcMessages : "-") << " "
            << (r.lang ? r.lang : "-") << " " << (r.language ? r.language : "-");
    }
}

}  // namespace
}  // namespace rollkin::test
