#pragma once

#include "toolkit/Platform.h"
#include "toolkit/RuntimeError.h"

#include <exception>

namespace orebell {

// Runs a routine that carries an error report: a failure shows the report once and returns
// false; the caller decides what follows (end the program at load, stop a laser, go on).
template <class F> bool runTrapped(MessageBoxService& box, ErrorTrap& trap, F&& body)
{
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        box.show(errorReportText(asRuntimeError(e), trap));
        return false;
    }
}

} // namespace orebell
