#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace orebell {

// The catalogues of one language: the program's own (orebell_<language>.qm) and Qt's
// (qtbase_<language>.qm: the file dialog's buttons). English needs neither.
class Translation {
public:
    Translation();
    ~Translation(); // leaves the application if installed
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Loads from the first of `folders` that holds the program's catalogue; Qt's is looked for
    // in Qt's own translations folder, then in `folders`. False, with the reason in error(), when
    // the program's catalogue is missing or unreadable: the program then speaks English.
    bool load(const QString& language, const QStringList& folders);
    QString language() const { return language_; } // "en" until a catalogue loads
    QString error() const { return error_; }

    // Into the application (which must exist): QCoreApplication::translate and shownText() use it.
    void install();
    void uninstall();

    // A text of the program's own code; works before the application exists (for --help).
    QString translate(const char* context, const char* source) const;

private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
    QString language_ = QStringLiteral("en");
    QString error_;
    bool installed_ = false;
};

// What the player reads for a text the model holds: its translation in the installed language,
// the text itself when there is none (numbers, names, the player's entries, English). A text the
// model composed from parts ("Laser 3 was not started:\n...") is recognised by its template and
// translated part by part; line by line when it is several messages in one. Leading and trailing
// blanks are kept, as the model's tool tips pad their text.
QString shownText(const QString& text);

// The installed language: "en" when none is.
QString shownLanguage();

} // namespace orebell
