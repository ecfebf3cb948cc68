#include "platform/OrderlyExit.h"

#include "data/Shared.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace orebell {

#ifdef Q_OS_UNIX
namespace {

int signalPair[2] = {-1, -1};
volatile std::sig_atomic_t signalPending = 0;
constexpr int HandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe calls here: the event loop does the work.
void onSignal(int number)
{
    if (signalPending) {
        // Asked again while the first request waits (a hung handler, a second Ctrl+C): the store
        // is written atomically, so ending now cannot damage it.
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    signalPending = 1;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPair[1], &byte, 1);
}

} // namespace
#endif

OrderlyExit::OrderlyExit(Form& main, Routines& routines) : main_(main), routines_(routines)
{
    if (auto* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, &context_, [this] { saveBeforeQuit(); });
#ifndef QT_NO_SESSIONMANAGER
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(gui, &QGuiApplication::commitDataRequest, &context_,
                         [this](QSessionManager&) { saveBeforeQuit(); });
#endif
#ifdef Q_OS_UNIX
    if (signalPair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPair) != 0)
        return;
    signalPending = 0;
    notifier_ = std::make_unique<QSocketNotifier>(signalPair[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &context_, [this] { readSignal(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : HandledSignals)
        ::sigaction(number, &action, nullptr);
#endif
}

OrderlyExit::~OrderlyExit()
{
#ifdef Q_OS_UNIX
    if (!notifier_)
        return;
    for (int number : HandledSignals)
        std::signal(number, SIG_DFL);
    notifier_.reset();
    ::close(signalPair[0]);
    ::close(signalPair[1]);
    signalPair[0] = signalPair[1] = -1;
    signalPending = 0;
#endif
}

void OrderlyExit::readSignal()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(signalPair[0], &byte, 1);
#endif
    terminateOrderly();
}

void OrderlyExit::saveBeforeQuit()
{
    if (!main_.unloaded())
        main_.runDueTicksAtExit(); // the ore of ticks already due is saved with the rest
    Shared::call(routines_.SaveOnExit);
}

void OrderlyExit::terminateOrderly()
{
    if (!main_.unloaded())
        main_.runDueTicksAtExit();
    Shared::call(routines_.SaveOnExit);
    if (!main_.unloaded())
        main_.unload();
    QCoreApplication::quit();
}

} // namespace orebell
