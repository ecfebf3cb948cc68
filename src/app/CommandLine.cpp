#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace orebell {

namespace {

QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(OREBELL_VERSION_MAJOR)
        .arg(OREBELL_VERSION_MINOR)
        .arg(OREBELL_VERSION_PATCH);
}

// The options QGuiApplication and QApplication take out of argv themselves.
void addQtOptions(QCommandLineParser& parser)
{
    const char* withValue[] = {"platform",        "platformpluginpath",
                               "platformtheme",   "plugin",
                               "qwindowgeometry", "qwindowicon",
                               "qwindowtitle",    "session",
                               "display",         "name",
                               "title",           "visual",
                               "geometry",        "style",
                               "stylesheet",      "dialogs",
                               "fontengine"};
    const char* flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
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
