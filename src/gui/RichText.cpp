#include "gui/RichText.h"

#include "toolkit/RichText.h"

#include <QDir>
#include <QTextDocument>

namespace orebell {

void loadRichTextFile(const QString& path, QTextDocument& document)
{
    if (path.isEmpty()) {
        document.clear();
        return;
    }
    document.setHtml(richTextFileToHtml(QDir::toNativeSeparators(path)));
}

} // namespace orebell
