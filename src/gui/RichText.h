#pragma once

#include <QString>

class QTextDocument;

namespace orebell {

// Fills a rich-text viewer's document from a file. This is the one place where a rich-text file
// becomes what the viewer shows: the rich-text reader plugs in here. Until it does, the file is
// shown as plain text. A missing or unreadable file shows a short message that says what to do.
void loadRichTextFile(const QString& path, QTextDocument& document);

} // namespace orebell
