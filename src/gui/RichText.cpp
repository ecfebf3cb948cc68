#include "gui/RichText.h"

#include "l10n/Translation.h"
#include "toolkit/RichText.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace orebell {

QString translatedFile(const QString& path)
{
    const QString language = shownLanguage();
    if (language == QLatin1String("en"))
        return path;
    // The help in the player's language lies beside the English one: Help.rtf, Help_de.rtf.
    const QString native = QDir::fromNativeSeparators(path);
    const QFileInfo file(native);
    const QString translated =
        file.dir().filePath(file.completeBaseName() + QLatin1Char('_') + language +
                            (file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix()));
    return QFileInfo::exists(translated) ? translated : path;
}

void loadRichTextFile(const QString& path, QTextDocument& document)
{
    if (path.isEmpty()) {
        document.clear();
        return;
    }
    document.setHtml(richTextFileToHtml(QDir::toNativeSeparators(translatedFile(path))));
}

} // namespace orebell
