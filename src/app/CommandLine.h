#pragma once

#include <QString>
#include <QStringList>

namespace orebell {

// What the command line asks for. It is read before any window system is touched, so that
// --help and --version answer on a machine without a display.
struct CommandLine {
    enum class Action { Run, Exit };
    Action action = Action::Run;
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // for standard error
    // The user named a Qt platform plugin with -platform; the session's choice then stays theirs.
    bool platformChosen = false;
    // --language, as given: the language asked for (chosen in main, with the stored key and the desktop's).
    QString language;
};

class Translation;

// arguments as the process received them, the program's name first. Qt's own window-system
// options (-platform, -display, -style, ...) are accepted and left for QApplication. --help is
// written in the translation's language (English without one).
CommandLine readCommandLine(const QStringList& arguments, const Translation* translation = nullptr);

} // namespace orebell
