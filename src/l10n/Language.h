#pragma once

#include <QString>
#include <QStringList>

namespace orebell {

// The languages Orebell speaks, English first: it is the program's own and needs no catalogue.
const QStringList& programLanguages();

// The program's language for a code such as "de", "de_AT", "de-DE" or "zh-Hans-CN"; empty when
// Orebell has no translation for it (traditional Chinese, for one).
QString matchLanguage(const QString& code);

struct LanguageChoice {
    QString language; // one of programLanguages()
    QString warning;  // why a language asked for is not used, for the terminal; empty when none
};

// --language wins, then the [Language] key, then the first desktop language Orebell speaks
// (QLocale::system().uiLanguages() order), then English. A code asked for that Orebell does not know
// falls back to the next choice with a warning.
LanguageChoice chooseLanguage(const QString& commandLine, const QString& stored, const QStringList& desktop);

} // namespace orebell
