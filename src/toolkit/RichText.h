#pragma once

#include <QByteArray>
#include <QString>

// The help viewer's reader: rich text (RTF) in, HTML for a text browser out. It understands what
// the program's own help file uses (paragraphs and their alignment, indents and spacing, bold,
// italic, underline, strike-out, font sizes, a colour table with text and highlight colours, line
// breaks, tabs, typographic symbols, \'hh and \uN escapes), skips tables such as fonts, styles,
// pictures and every \* destination, and keeps the plain text of anything else. Input that is
// not rich text at all is shown as plain text. Any byte sequence gives some HTML; nothing throws.
namespace orebell {

// The HTML of one rich-text document.
QString richTextToHtml(const QByteArray& rtf);

// Reads the file and converts it. A missing, unreadable, empty or oversized file gives a short
// page that says so and where the help file was expected.
QString richTextFileToHtml(const QString& path);

// Files above this size are not read (the help file is a few kilobytes).
inline constexpr qint64 MaxRichTextFileBytes = 8 * 1024 * 1024;

} // namespace orebell
