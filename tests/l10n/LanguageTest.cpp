#include "l10n/Language.h"
#include "l10n/Translation.h"

#include <gtest/gtest.h>

namespace orebell {
namespace {

TEST(Language, DesktopCodesMatchTheTranslationsOrebellHas)
{
    EXPECT_EQ(matchLanguage(QStringLiteral("de-DE")), QStringLiteral("de"));
    EXPECT_EQ(matchLanguage(QStringLiteral("de_AT.UTF-8")), QStringLiteral("de"));
    EXPECT_EQ(matchLanguage(QStringLiteral("FR")), QStringLiteral("fr"));
    EXPECT_EQ(matchLanguage(QStringLiteral("zh-Hans-CN")), QStringLiteral("zh_CN"));
    EXPECT_EQ(matchLanguage(QStringLiteral("zh_SG")), QStringLiteral("zh_CN"));
    EXPECT_EQ(matchLanguage(QStringLiteral("C")), QStringLiteral("en"));
    // Traditional Chinese is not simplified Chinese; Orebell has no Italian.
    EXPECT_EQ(matchLanguage(QStringLiteral("zh-Hant-TW")), QString());
    EXPECT_EQ(matchLanguage(QStringLiteral("zh_TW")), QString());
    EXPECT_EQ(matchLanguage(QStringLiteral("it-IT")), QString());
    EXPECT_EQ(matchLanguage(QString()), QString());
}

TEST(Language, CommandLineThenStoredKeyThenDesktopThenEnglish)
{
    const QStringList german{QStringLiteral("de-DE"), QStringLiteral("en-US")};
    EXPECT_EQ(chooseLanguage({}, {}, german).language, QStringLiteral("de"));
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("fr"), german).language, QStringLiteral("fr"));
    EXPECT_EQ(chooseLanguage(QStringLiteral("en"), QStringLiteral("fr"), german).language,
              QStringLiteral("en"));
    // The first desktop language Orebell speaks, not the first one listed.
    EXPECT_EQ(chooseLanguage({}, {}, {QStringLiteral("it-IT"), QStringLiteral("fr-CA")}).language,
              QStringLiteral("fr"));
    EXPECT_EQ(chooseLanguage({}, {}, {QStringLiteral("it-IT")}).language, QStringLiteral("en"));
    EXPECT_TRUE(chooseLanguage({}, {}, german).warning.isEmpty());
}

TEST(Language, AnUnknownCodeFallsBackWithAWarningThatNamesIt)
{
    const LanguageChoice bad = chooseLanguage(QStringLiteral("xx"), {}, {QStringLiteral("fr-FR")});
    EXPECT_EQ(bad.language, QStringLiteral("fr"));
    EXPECT_TRUE(bad.warning.contains(QStringLiteral("\"xx\""))) << bad.warning.toStdString();
    // A bad stored value gives way to the desktop; a good one on the command line wins over it.
    EXPECT_EQ(chooseLanguage({}, QStringLiteral("klingon"), {}).language, QStringLiteral("en"));
    const LanguageChoice both = chooseLanguage(QStringLiteral("de"), QStringLiteral("klingon"), {});
    EXPECT_EQ(both.language, QStringLiteral("de"));
    EXPECT_TRUE(both.warning.isEmpty());
}

TEST(Translation, AMissingCatalogueLeavesEnglishAndSaysWhere)
{
    Translation t;
    EXPECT_FALSE(t.load(QStringLiteral("de"), {QStringLiteral("/nonexistent/orebell")}));
    EXPECT_EQ(t.language(), QStringLiteral("en"));
    EXPECT_TRUE(t.error().contains(QStringLiteral("orebell_de.qm"))) << t.error().toStdString();
    t.install();
    EXPECT_EQ(shownText(QStringLiteral(" Start laser first ")), QStringLiteral(" Start laser first "));
    EXPECT_EQ(shownLanguage(), QStringLiteral("en"));
}

} // namespace
} // namespace orebell
