#include "app/Program.h"
#include "gui/ProgramWindows.h"
#include "platform/RealPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    orebell::RealPlatform platform;
    orebell::Program program(platform);
    program.run();
    if (platform.endRequested()) // the load failed and has been reported
        return 1;
    orebell::ProgramWindows windows(program, platform.messageBox());
    return app.exec();
}
