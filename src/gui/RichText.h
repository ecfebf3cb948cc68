#pragma once

#include <QString>

class QTextDocument;

namespace orebell {

// Fills a rich-text viewer's document from a file through the program's rich-text reader. A
// missing or unreadable file shows a short message that says what to do.
void loadRichTextFile(const QString& path, QTextDocument& document);

} // namespace orebell
