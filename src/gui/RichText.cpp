#include "gui/RichText.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>

namespace orebell {

void loadRichTextFile(const QString& path, QTextDocument& document)
{
    if (path.isEmpty()) {
        document.clear();
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        document.setPlainText(QStringLiteral("The help file could not be opened:\n%1\n\n"
                                             "Reinstall Orebell to put Help.rtf back beside the program.")
                                  .arg(QDir::toNativeSeparators(path)));
        return;
    }
    document.setPlainText(QString::fromLocal8Bit(file.readAll()));
}

} // namespace orebell
