#include "app/Program.h"
#include "data/Shared.h"
#include "gui/ProgramWindows.h"
#include "platform/OrderlyExit.h"
#include "platform/RealPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    orebell::RealPlatform platform;
    orebell::Program program(platform);
    orebell::OrderlyExit orderlyExit(program.mainForm(), program.shared().routines);
    program.run();
    if (platform.endRequested()) // the load failed and has been reported
        return 1;
    orebell::ProgramWindows windows(program, platform.messageBox());
    return app.exec();
}
