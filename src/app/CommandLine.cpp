#include "app/CommandLine.h"

#include "l10n/Language.h"
#include "l10n/Translation.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <iterator>

namespace orebell {

namespace {

QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(OREBELL_VERSION_MAJOR)
        .arg(OREBELL_VERSION_MINOR)
        .arg(OREBELL_VERSION_PATCH);
}

struct QtOption {
    const char* name;
    const char* value; // null for a flag
    const char* description;
};

// The options QGuiApplication and QApplication take out of argv themselves.
constexpr QtOption QtOptions[] = {
    {"platform", "name",
     QT_TRANSLATE_NOOP("CommandLine", "Qt platform plugin: xcb (X11, XWayland), wayland, offscreen")},
    {"platformpluginpath", "path", QT_TRANSLATE_NOOP("CommandLine", "Folder to load platform plugins from")},
    {"platformtheme", "name", QT_TRANSLATE_NOOP("CommandLine", "Platform theme plugin")},
    {"plugin", "name", QT_TRANSLATE_NOOP("CommandLine", "Further plugin to load (input devices)")},
    {"qwindowgeometry", "geometry",
     QT_TRANSLATE_NOOP("CommandLine", "Geometry of the first window (WxH+X+Y)")},
    {"qwindowicon", "file", QT_TRANSLATE_NOOP("CommandLine", "Icon of the windows")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "Title of the first window")},
    {"session", "id", QT_TRANSLATE_NOOP("CommandLine", "Session to restore")},
    {"display", "display", QT_TRANSLATE_NOOP("CommandLine", "X11 display to connect to (xcb only)")},
    {"name", "name", QT_TRANSLATE_NOOP("CommandLine", "Application name for the X resources (xcb only)")},
    {"title", "title", QT_TRANSLATE_NOOP("CommandLine", "Title of the first window (xcb only)")},
    {"visual", "TrueColor",
     QT_TRANSLATE_NOOP("CommandLine", "True-colour visual on an 8-bit display (xcb only)")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "Geometry of the first window (xcb only)")},
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "Widget style")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "Qt style sheet to apply")},
    {"dialogs", "value", QT_TRANSLATE_NOOP("CommandLine", "xp or none: native or Qt dialogs (windows only)")},
    {"fontengine", "value",
     QT_TRANSLATE_NOOP("CommandLine", "freetype or native font engine (windows only)")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Lay the window out right to left")},
    {"widgetcount", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Print the number of widgets left at exit")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Never grab the mouse or keyboard")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Grab even when running under a debugger")},
    {"sync", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Talk to the X server synchronously (xcb only, for debugging)")},
};

// Accepted and left in argv for QApplication; listed by --help-all only.
void addQtOptions(QCommandLineParser& parser)
{
    for (const QtOption& o : QtOptions) {
        QCommandLineOption option =
            o.value ? QCommandLineOption(QString::fromLatin1(o.name), QString(), QString::fromLatin1(o.value))
                    : QCommandLineOption(QString::fromLatin1(o.name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString qtOptionsHelp(const std::function<QString(const char*)>& say)
{
    QStringList names;
    int width = 0;
    for (const QtOption& o : QtOptions) {
        QString name = QStringLiteral("-%1").arg(QLatin1String(o.name));
        if (o.value)
            name += QStringLiteral(" <%1>").arg(QLatin1String(o.value));
        width = std::max(width, int(name.size()));
        names << name;
    }
    QString text =
        QLatin1Char('\n') +
        say(QT_TRANSLATE_NOOP("CommandLine",
                              "Qt options (taken by Qt's window system before the program starts):")) +
        QLatin1Char('\n');
    for (std::size_t i = 0; i < std::size(QtOptions); ++i)
        text += QStringLiteral("  %1  %2\n")
                    .arg(names[int(i)].leftJustified(width), say(QtOptions[i].description));
    return text;
}

CommandLine refusal(const QString& program, const QString& what)
{
    CommandLine result;
    result.action = CommandLine::Action::Exit;
    result.exitCode = 2;
    result.error = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, what);
    return result;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, const Translation* translation)
{
    const auto say = [translation](const char* source) {
        return translation ? translation->translate("CommandLine", source) : QString::fromUtf8(source);
    };
    const QString program =
        arguments.isEmpty() ? QStringLiteral("orebell") : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform xcb), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(say(
        QT_TRANSLATE_NOOP("CommandLine", "Mining-laser timers, jet-can clocks, a cargo monitor and refining "
                                         "estimates\nin a small window that stays on top of the game.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        say(QT_TRANSLATE_NOOP("CommandLine",
                              "Language of the window: %1 (the desktop's by default; the key Language "
                              "in the section [Language] of the settings keeps a choice)."))
            .arg(programLanguages().join(QStringLiteral(", "))),
        QStringLiteral("code"));
    parser.addOption(language);
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return refusal(program, parser.errorText());
    CommandLine result;
    result.platformChosen = parser.isSet(QStringLiteral("platform"));
    result.language = parser.value(language);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = CommandLine::Action::Exit;
        // The parser names the program only once an application object exists, and by its path.
        QString text = parser.helpText();
        text = say(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [options]")).arg(program) +
               text.mid(text.indexOf(QLatin1Char('\n')));
        // Qt's own words: its catalogue cannot reach the parser before the application exists.
        if (translation)
            for (const char* qt :
                 {"Options:", "Displays help on commandline options.",
                  "Displays help including Qt specific options.", "Displays version information."})
                text.replace(QString::fromUtf8(qt), translation->translate("QCommandLineParser", qt));
        if (parser.isSet(QStringLiteral("help-all")))
            text += qtOptionsHelp(say);
        result.output = text;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Exit;
        result.output = QStringLiteral("Orebell %1\n").arg(versionText());
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return refusal(program,
                       QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    return result;
}

} // namespace orebell
