#include "l10n/Language.h"

#include <QRegularExpression>

namespace orebell {

const QStringList& programLanguages()
{
    static const QStringList languages{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                       QStringLiteral("ru"), QStringLiteral("es"), QStringLiteral("zh_CN")};
    return languages;
}

QString matchLanguage(const QString& code)
{
    QStringList parts = code.trimmed().split(QRegularExpression(QStringLiteral("[-_.@]")));
    if (parts.isEmpty() || parts.first().isEmpty())
        return {};
    const QString language = parts.first().toLower();
    if (language == QLatin1String("zh")) {
        // Simplified Chinese only: Hans, or a region that writes it (or none named).
        const QStringList rest = parts.mid(1);
        for (const QString& p : rest) {
            const QString u = p.toUpper();
            if (u == QLatin1String("HANT") || u == QLatin1String("TW") || u == QLatin1String("HK") ||
                u == QLatin1String("MO"))
                return {};
        }
        return QStringLiteral("zh_CN");
    }
    if (language == QLatin1String("c") || language == QLatin1String("posix"))
        return QStringLiteral("en");
    return programLanguages().contains(language) ? language : QString();
}

LanguageChoice chooseLanguage(const QString& commandLine, const QString& stored, const QStringList& desktop)
{
    LanguageChoice choice;
    QStringList refused;
    for (const QString& asked : {commandLine, stored}) {
        if (asked.trimmed().isEmpty())
            continue;
        const QString language = matchLanguage(asked);
        if (!language.isEmpty()) {
            choice.language = language;
            break;
        }
        refused << asked.trimmed();
    }
    if (choice.language.isEmpty()) {
        for (const QString& code : desktop) {
            choice.language = matchLanguage(code);
            if (!choice.language.isEmpty())
                break;
        }
    }
    if (choice.language.isEmpty())
        choice.language = QStringLiteral("en");
    if (!refused.isEmpty())
        choice.warning =
            QStringLiteral("Orebell has no translation for \"%1\" (it speaks %2); it uses \"%3\".")
                .arg(refused.join(QStringLiteral("\", \"")), programLanguages().join(QStringLiteral(", ")),
                     choice.language);
    return choice;
}

} // namespace orebell
