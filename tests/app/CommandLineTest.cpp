#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

CommandLine read(QStringList arguments)
{
    arguments.prepend(QStringLiteral("/usr/bin/orebell"));
    return readCommandLine(arguments);
}

} // namespace

TEST(CommandLine, NoArgumentsRunsTheProgram)
{
    const CommandLine line = read({});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_FALSE(line.platformChosen);
}

TEST(CommandLine, HelpAndVersionAnswerAndExitWithoutError)
{
    for (const char* option : {"--help", "-h", "--help-all"}) {
        const CommandLine line = read({QString::fromLatin1(option)});
        EXPECT_EQ(line.action, CommandLine::Action::Exit) << option;
        EXPECT_EQ(line.exitCode, 0) << option;
        EXPECT_TRUE(line.output.startsWith(QStringLiteral("Usage: orebell"))) << qPrintable(line.output);
        EXPECT_TRUE(line.output.contains(QStringLiteral("--version")));
        // Qt's own options are listed by --help-all only, which --help promises to do.
        const bool all = QLatin1String(option) == QLatin1String("--help-all");
        EXPECT_TRUE(line.output.contains(QStringLiteral("--help-all")));
        EXPECT_EQ(line.output.contains(QStringLiteral("-platform <name>")), all) << option;
        EXPECT_EQ(line.output.contains(QStringLiteral("-display <display>")), all) << option;
        EXPECT_TRUE(line.error.isEmpty());
    }
    for (const char* option : {"--version", "-v"}) {
        const CommandLine line = read({QString::fromLatin1(option)});
        EXPECT_EQ(line.action, CommandLine::Action::Exit);
        EXPECT_EQ(line.exitCode, 0);
        EXPECT_EQ(line.output, QStringLiteral("Orebell 1.2.8\n"));
    }
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsAreRefusedWithExitCode2)
{
    const struct {
        QStringList arguments;
        const char* named;
    } cases[] = {{{QStringLiteral("--frobnicate")}, "frobnicate"},
                 {{QStringLiteral("-x")}, "'x'"},
                 {{QStringLiteral("save.ini")}, "save.ini"},
                 // An option that needs a value must not swallow nothing silently.
                 {{QStringLiteral("-platform")}, "platform"}};
    for (const auto& c : cases) {
        const CommandLine line = read(c.arguments);
        EXPECT_EQ(line.action, CommandLine::Action::Exit) << c.named;
        EXPECT_EQ(line.exitCode, 2) << c.named;
        EXPECT_TRUE(line.output.isEmpty());
        EXPECT_TRUE(line.error.startsWith(QStringLiteral("orebell: "))) << qPrintable(line.error);
        EXPECT_TRUE(line.error.contains(QString::fromLatin1(c.named))) << qPrintable(line.error);
        EXPECT_TRUE(line.error.contains(QStringLiteral("orebell --help")));
    }
}

TEST(CommandLine, QtWindowSystemOptionsPassThroughToTheApplication)
{
    const CommandLine chosen =
        read({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-style"),
              QStringLiteral("Fusion"), QStringLiteral("-reverse")});
    EXPECT_EQ(chosen.action, CommandLine::Action::Run);
    EXPECT_TRUE(chosen.platformChosen);
    EXPECT_TRUE(chosen.error.isEmpty());

    const CommandLine display = read({QStringLiteral("--display"), QStringLiteral(":1")});
    EXPECT_EQ(display.action, CommandLine::Action::Run);
    EXPECT_FALSE(display.platformChosen);
}
