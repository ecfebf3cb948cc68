// Start-up over an arbitrary settings file: the load and first activation restore what they can
// and never crash, end the program, or bury the player in messages.
#include "FuzzPlatform.h"
#include "app/Program.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_settings";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    orebell::fuzz::FuzzPlatform platform(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    orebell::Program program(platform);
    program.run();
    // A damaged store may earn one message per bad entry, never one per control.
    if (platform.ended || platform.messageCount() > 40)
        __builtin_trap();
    program.mainForm().control(QStringLiteral("lblControlButton"), 1).raiseClick();
    return 0;
}
