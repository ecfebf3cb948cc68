// The smallest Qt Widgets program that shows a frameless window with a caption: the floor that
// Orebell's start-up is measured against.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral(" Orebell"));
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setGeometry(40, 40, 400, 300);
    window.show();
    return app.exec();
}
