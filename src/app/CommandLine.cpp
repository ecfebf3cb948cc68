#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
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
    {"platform", "name", "Qt platform plugin: xcb (X11, XWayland), wayland, offscreen"},
    {"platformpluginpath", "path", "Folder to load platform plugins from"},
    {"platformtheme", "name", "Platform theme plugin"},
    {"plugin", "name", "Further plugin to load (input devices)"},
    {"qwindowgeometry", "geometry", "Geometry of the first window (WxH+X+Y)"},
    {"qwindowicon", "file", "Icon of the windows"},
    {"qwindowtitle", "title", "Title of the first window"},
    {"session", "id", "Session to restore"},
    {"display", "display", "X11 display to connect to (xcb only)"},
    {"name", "name", "Application name for the X resources (xcb only)"},
    {"title", "title", "Title of the first window (xcb only)"},
    {"visual", "TrueColor", "True-colour visual on an 8-bit display (xcb only)"},
    {"geometry", "geometry", "Geometry of the first window (xcb only)"},
    {"style", "style", "Widget style"},
    {"stylesheet", "file", "Qt style sheet to apply"},
    {"dialogs", "value", "xp or none: native or Qt dialogs (windows only)"},
    {"fontengine", "value", "freetype or native font engine (windows only)"},
    {"reverse", nullptr, "Lay the window out right to left"},
    {"widgetcount", nullptr, "Print the number of widgets left at exit"},
    {"nograb", nullptr, "Never grab the mouse or keyboard"},
    {"dograb", nullptr, "Grab even when running under a debugger"},
    {"sync", nullptr, "Talk to the X server synchronously (xcb only, for debugging)"},
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

QString qtOptionsHelp()
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
    QString text = QStringLiteral("\nQt options (taken by Qt's window system before the program starts):\n");
    for (std::size_t i = 0; i < std::size(QtOptions); ++i)
        text += QStringLiteral("  %1  %2\n")
                    .arg(names[int(i)].leftJustified(width), QLatin1String(QtOptions[i].description));
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

CommandLine readCommandLine(const QStringList& arguments)
{
    const QString program =
        arguments.isEmpty() ? QStringLiteral("orebell") : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform xcb), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Mining-laser timers, jet-can clocks, a cargo monitor and refining estimates\n"
                       "in a small window that stays on top of the game."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return refusal(program, parser.errorText());
    CommandLine result;
    result.platformChosen = parser.isSet(QStringLiteral("platform"));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = CommandLine::Action::Exit;
        // The parser names the program only once an application object exists, and by its path.
        QString text = parser.helpText();
        text = QStringLiteral("Usage: %1 [options]").arg(program) + text.mid(text.indexOf(QLatin1Char('\n')));
        if (parser.isSet(QStringLiteral("help-all")))
            text += qtOptionsHelp();
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
