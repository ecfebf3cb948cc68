#include "app/Program.h"
#include "data/Shared.h"
#include "platform/OrderlyExit.h"
#include "platform/RealPlatform.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    orebell::RealPlatform platform;
    orebell::Program program(platform);
    orebell::OrderlyExit orderlyExit(program.mainForm(), program.shared().routines);
    program.run();
    QWidget window;
    window.setWindowTitle(program.mainForm().caption());
    window.show();
    return app.exec();
}
