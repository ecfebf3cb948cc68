#pragma once

#include <QString>

class QTextDocument;

namespace orebell {

// The file in the shown language, Help_de.rtf beside Help.rtf, when there is one; else path.
QString translatedFile(const QString& path);

// Fills a rich-text viewer's document from a file through the program's rich-text reader. A
// missing or unreadable file shows a short message that says what to do. The file is read in the
// shown language where it has been translated.
void loadRichTextFile(const QString& path, QTextDocument& document);

} // namespace orebell
