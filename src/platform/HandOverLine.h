#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <functional>
#include <memory>

namespace orebell {

// The line a later copy of the program uses to ask the running one to come to the front: a local
// socket (a named pipe on Windows). It needs Qt Network, which the program loads as a module
// after its first frame rather than at start-up (platform/ProgramModules.h).
class HandOverLine {
public:
    virtual ~HandOverLine() = default;
    // Listens on `name`, first removing what a copy that is gone left there (the caller holds the
    // lock). Each request calls `raise` on this thread's event loop. `fullName` is where a later
    // copy finds it; false with `error` set when it cannot listen.
    virtual bool listen(const QString& name, std::function<void()> raise, QString* fullName,
                        QString* error) = 0;
    // One try at having the copy listening on `name` come to the front; true once it says so.
    virtual bool ask(const QString& name, QDeadlineTimer deadline) = 0;
};

using HandOverLineMaker = std::function<std::unique_ptr<HandOverLine>()>;

// The local-socket line, linked directly (tests, and the module that ships it).
std::unique_ptr<HandOverLine> makeLocalSocketLine();

} // namespace orebell
