#include "l10n/Language.h"
#include "l10n/ModelTexts.h"
#include "l10n/Translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

namespace orebell {
namespace {

const QStringList Folders{QStringLiteral(OREBELL_TRANSLATIONS_DIR)};

struct German : ::testing::Test {
    Translation translation;
    void SetUp() override
    {
        ASSERT_TRUE(translation.load(QStringLiteral("de"), Folders)) << translation.error().toStdString();
        translation.install();
    }
};

TEST_F(German, PlainTextsKeepTheirPaddingAndNumbersStayAsTheyAre)
{
    EXPECT_EQ(shownText(QStringLiteral(" Start laser first ")), QStringLiteral(" Erst den Laser starten "));
    EXPECT_EQ(shownText(QStringLiteral("Depleted")), QStringLiteral("Leer"));
    EXPECT_EQ(shownText(QStringLiteral("12:34")), QStringLiteral("12:34"));
    // Names the model keeps in English: ores, minerals, the player's own words.
    EXPECT_EQ(shownText(QStringLiteral("Veldspar")), QStringLiteral("Veldspar"));
    // A name in quotes is translated inside them (the sound chooser names its event so).
    EXPECT_EQ(shownText(QStringLiteral("Select .WAV file for \"Cycle complete\"")),
              QStringLiteral(".WAV-Datei für \"Zyklus fertig\""));
    EXPECT_EQ(shownText(QStringLiteral("my can")), QStringLiteral("my can"));
}

TEST_F(German, AComposedMessageIsTranslatedPartByPart)
{
    // LaserTimers::refuse: a head line with the laser and what happened, then one problem a line.
    const QString refused =
        QStringLiteral("Laser 3 was not started:\nUnits of Ore must be a number above 0.\n"
                       "Mining Rate is too large.");
    EXPECT_EQ(shownText(refused),
              QStringLiteral("Laser 3 wurde nicht gestartet:\nErzeinheiten muss eine Zahl über 0 "
                             "sein.\nDie Abbaurate ist zu groß."));
    // EntryReader: the entry, what was typed (kept as typed), what to type, what follows.
    const QString entry =
        QStringLiteral("The market value of Isogen \"abc\" is not a number. Enter a price in "
                       "isk, or leave it empty; the refining figures stay as they were until then.");
    EXPECT_EQ(
        shownText(entry),
        QStringLiteral("Der Marktwert von Isogen: \"abc\" ist keine Zahl. Geben Sie einen Preis in ISK oder "
                       "nichts ein; bis dahin bleiben die Raffinierwerte, wie sie waren."));
    // An argument that is itself a template: the module's name in its message.
    EXPECT_TRUE(shownText(QStringLiteral("Sound is unavailable: a part of the program could not be loaded "
                                         "(no such file). Reinstalling Orebell should mend it; everything "
                                         "else works as usual."))
                    .startsWith(QStringLiteral("Ton ist nicht verfügbar")));
}

TEST_F(German, UninstallingGoesBackToEnglish)
{
    translation.uninstall();
    EXPECT_EQ(shownText(QStringLiteral("Depleted")), QStringLiteral("Depleted"));
    EXPECT_EQ(shownLanguage(), QStringLiteral("en"));
}

// Every language: each text of the model and of the program's own windows has a translation
// with the same placeholders, so that no composed text loses a part.
TEST(Catalogues, EveryLanguageTranslatesEveryModelTextWithItsPlaceholders)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (const QString& language : programLanguages().mid(1)) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral("orebell_") + language, Folders.first()))
            << language.toStdString();
        for (const ModelText& text : modelTexts()) {
            const QString source = QString::fromUtf8(text.source);
            const QString translated = catalogue.translate(ModelTextContext, text.source);
            ASSERT_FALSE(translated.isEmpty()) << language.toStdString() << ": " << text.source;
            QStringList want, got;
            for (auto it = marker.globalMatch(source); it.hasNext();)
                want << it.next().captured();
            for (auto it = marker.globalMatch(translated); it.hasNext();)
                got << it.next().captured();
            want.sort();
            got.sort();
            EXPECT_EQ(want, got) << language.toStdString() << ": " << text.source;
        }
    }
}

} // namespace
} // namespace orebell
