// single_instance_holder <lock file> [listen after ms]: claims the single-copy lock as the
// program does. The first copy prints "first", "listening" once it listens, and then "raised"
// each time a later one hands over, until it is killed; a later copy prints "handed over" (exit 0) or "no
// answer" (exit 1).
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    orebell::SingleInstance instance(QString::fromLocal8Bit(argv[1]), orebell::makeLocalSocketLine);
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
    // As the program does, listening only after its first frame: a later copy meanwhile waits.
    const int listenAfterMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    QTimer::singleShot(listenAfterMs, [&] {
        instance.listen();
        say("listening");
    });
    return app.exec();
}
