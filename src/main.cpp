#include "app/Program.h"
#include "platform/RealPlatform.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    orebell::RealPlatform platform;
    orebell::Program program(platform);
    program.run();
    QWidget window;
    window.setWindowTitle(program.mainForm().caption());
    window.show();
    return app.exec();
}
