// Plays sounds through the Windows player as the program does, for sound-heard.sh to record:
//   sound_probe FILE                    plays FILE to its end
//   sound_probe FILE --then MS FILE2    plays FILE, and FILE2 in its place MS ms after it started
//   sound_probe FILE --stop MS          plays FILE and stops it MS ms after it started
// Exit status: 0 when the last request played out (or was stopped), 3 when the player fell back
// to the system alert, 4 when nothing came of it within ten seconds.
#include "platform/WinSoundPlayer.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

using namespace orebell;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 && args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: sound_probe FILE [--then MS FILE2 | --stop MS]\n");
        return 2;
    }
    const QString first = args[0];
    const QString next = args.size() == 4 ? args[3] : QString();
    const bool stopping = args.size() == 3 && args[1] == QLatin1String("--stop");
    const int afterMs = args.size() >= 3 ? args[2].toInt() : 0;

    WinSoundPlayer player;
    QObject::connect(&player, &WinSoundPlayer::started, &app, [&](const QString& path) {
        std::printf("started %s\n", qPrintable(path));
        std::fflush(stdout);
        if (path != first || afterMs <= 0)
            return;
        QTimer::singleShot(afterMs, &app, [&] {
            if (stopping) {
                player.stop();
                QTimer::singleShot(500, &app, [] { QCoreApplication::exit(0); });
            } else {
                player.play(next);
            }
        });
    });
    QObject::connect(&player, &WinSoundPlayer::finished, &app, [&](const QString& path) {
        std::printf("finished %s\n", qPrintable(path));
        if (path == (next.isEmpty() ? first : next))
            QCoreApplication::exit(0);
    });
    QObject::connect(&player, &WinSoundPlayer::fellBack, &app, [&](const QString& path) {
        std::printf("fell back %s\n", qPrintable(path));
        QCoreApplication::exit(3);
    });
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(4); });
    player.play(first);
    return app.exec();
}
