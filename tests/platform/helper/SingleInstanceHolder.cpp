// single_instance_holder <lock file>: claims the single-copy lock as the program does.
// The first copy prints "first" and then "raised" each time a later one hands over, until it is
// killed; a later copy prints "handed over" (exit 0) or "no answer" (exit 1).
#include "platform/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    orebell::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const auto say = [](const char* line) {
        std::puts(line);
        std::fflush(stdout);
    };
    if (!instance.claim()) {
        const bool answered = instance.handOver(3000);
        say(answered ? "handed over" : "no answer");
        return answered ? 0 : 1;
    }
    instance.onActivationRequested([&] { say("raised"); });
    say("first");
    return app.exec();
}
